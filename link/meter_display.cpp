// The meter: each reading on the bar with a peak hold, and the measured quantity with its scale.
#include "link/DisplayZarvinStatus.h"
#include "link/number_text.h"
#include "platform/runtime_error.h"

namespace {

// Each scale is 38 characters, drawn in a fixed-pitch font under a bar of the same width.
const char* const kDecibelScale = " -20       -10          0         +10 ";
const char* const kWattScale = "0            25          50   100  150";
const char* const kSwrScale = "1               2             3      4";
const char* const kSUnitScale = "  S3    S6     S9      +30      +60   ";

// After the peak label was written, this many lower readings leave it; the next replaces it.
constexpr int kPeakHoldReadings = 10;

}  // namespace

void DisplayZarvinStatus::gDisplayMeterData(const std::string& line) {
  try {
    ui::Control& peakLabel = frm.lblMeterPk;
    m_meterValue = wholeNumber(leadingNumber(line.size() > 1 ? line.substr(1, 2) : ""));
    if (peakLabel.caption->empty()) {
      peakLabel.caption = numberText(m_meterValue);
      m_peakHoldCount = 0;
    }
    m_meterPeak = wholeNumber(leadingNumber(peakLabel.caption));
    ++m_peakHoldCount;
    if (m_meterValue > m_meterPeak || m_peakHoldCount > kPeakHoldReadings) {
      peakLabel.caption = numberText(m_meterValue);
      m_peakHoldCount = 0;
    }
    // The bar's limits are read back each time: a reading beyond them leaves the bar as it is.
    ui::Control& bar = frm.pbMeter;
    auto value = static_cast<float>(m_meterValue);
    if (static_cast<float>(bar.min) <= value && static_cast<float>(bar.max) >= value) {
      bar.value = m_meterValue;
    }
  } catch (const RuntimeError& e) {
    gShowInfo(errorText("gDisplayMeterData", e));
  }
}

void DisplayZarvinStatus::gShowMeterFunction() {
  struct Function {
    const char* code;
    const char* name;
    const char* receiveScale;
    const char* transmitScale;
  };
  static const Function kFunctions[] = {
      {"D1", "Audio", kDecibelScale, kDecibelScale}, {"D2", "Line", kDecibelScale, kDecibelScale},
      {"D3", "Patch", kDecibelScale, kDecibelScale}, {"D4", "FWD", kSUnitScale, kWattScale},
      {"D5", "REF", kSUnitScale, kWattScale},        {"D6", "VSWR", kSUnitScale, kSwrScale},
  };
  for (const Function& f : kFunctions) {
    if (gMeterFunc != f.code) continue;
    frm.lblMeter.caption = f.name;
    frm.lblMeterScale.caption = gXmit ? f.transmitScale : f.receiveScale;
    return;
  }
}
