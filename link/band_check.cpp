// Whether the transmitter may be keyed on the radio's frequency, and showing it.
#include <cstdint>

#include "link/DisplayZarvinStatus.h"
#include "link/number_text.h"

namespace {

struct Band {
  std::int32_t lowHz;  // both edges excluded
  std::int32_t highHz;
};

constexpr std::int32_t kChannelsHz[] = {5330500, 5346500, 5366500, 5371500, 5403500};
constexpr Band kBandsHz[] = {{1800000, 2000000},   {3500000, 4000000},   {7000000, 7300000},
                             {10100000, 10150000}, {14000000, 14350000}, {18068000, 18168000},
                             {21000000, 21450000}, {24890000, 24990000}, {28000000, 29700000}};

std::string trimBlanks(const std::string& s) {
  size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

/// The frequency digits in Hz: the digits and a trailing "0", converted as a number, so a
/// sign or a decimal point among them still reads; anything else is a type mismatch.
std::int32_t frequencyHz(const std::string& item) {
  return wholeNumberOfText(trimBlanks(item.size() > 7 ? item.substr(item.size() - 7) : item) + "0");
}

}  // namespace

bool DisplayZarvinStatus::gIsInBand() {
  return isInBandAt(gFreq);
}

bool DisplayZarvinStatus::isInBandAt(const std::string& freq) const {
  if (gAllBands) return true;
  std::int32_t hz = frequencyHz(freq);
  for (std::int32_t channel : kChannelsHz) {
    if (hz == channel) return true;
  }
  for (const Band& band : kBandsHz) {
    if (hz > band.lowHz && hz < band.highHz) return true;
  }
  return false;
}

void DisplayZarvinStatus::gShowInBand(bool& inBand) {
  if (gScanning) inBand = false;
  // A radio under its own front panel's control keeps its transmit controls and PTT enable:
  // the panel only shows the band state then.
  bool panelControls = frm.lblREMOTE.caption != "LOCAL";
  if (panelControls) {
    frm.cmdPTT.enabled = inBand;
    transmitter.enableButtons(inBand);
  }
  if (inBand) {
    if (panelControls && gPTT == "'0") gTogglePTT();
    frm.shaInBand.fillColor = ui::kGreen;
    frm.lblInBand.caption = "In Band";
  } else {
    // A retune out of band while keyed (the radio's own dial, a memory channel) ends the
    // transmission there, its "U" before anything else goes on the line.
    if (panelControls) transmitter.unkey();
    if (panelControls && gPTT == "'1") gTogglePTT();
    frm.shaInBand.fillColor = ui::kRed;
    frm.lblInBand.caption = gScanning ? "Scanning" : "Out Of Band";
  }
}
