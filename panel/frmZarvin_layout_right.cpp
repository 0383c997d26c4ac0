// The keypad with the memory transfers, and the band buttons at the right edge.
#include "link/front_panel.h"
#include "panel/frmZarvin_layout_parts.h"

namespace layout {
namespace {

constexpr int kKeyRowPitch = 38;
constexpr int kKeyHeight = 34;

int keyRowTop(int row) {
  return 8 + row * kKeyRowPitch;
}

/// One keypad row: a wide function key, then three digit keys.
void keyRow(int row, ui::Control& first, ui::Control& a, ui::Control& b, ui::Control& c) {
  int y = keyRowTop(row);
  place(first, 6, y, 40, kKeyHeight);
  place(a, 49, y, 28, kKeyHeight);
  place(b, 80, y, 28, kKeyHeight);
  place(c, 111, y, 25, kKeyHeight);
}

/// A memory transfer row: button, channel number, its scroll bar, button.
void transferRow(int row, ui::Control& from, ui::Control& text, ui::Control& bar, ui::Control& to) {
  int y = keyRowTop(row);
  place(from, 6, y, 40, kKeyHeight);
  place(text, 49, y + 4, 28, 26);
  // The box hands the focus on to its bar: Tab goes straight to the bar, and Shift+Tab from the
  // bar leaves it backwards instead of coming back through the box.
  text.tabStop = false;
  text.backColor = ui::kSysWindow;
  text.foreColor = ui::kSysWindowText;
  place(bar, 78, y, 16, kKeyHeight);
  // 99 at the top, 0 at the bottom: pushing the bar up counts the channel up.
  bar.min = 99;
  bar.max = 0;
  bar.value = 0;
  place(to, 97, y, 39, kKeyHeight);
  for (ui::Control* button : {&from, &to}) button->font = sans(7.8);
}

}  // namespace

void layOutKeypad(FrontPanel& p) {
  plainFrame(p.fraRightButtons);
  place(p.fraRightButtons, 484, 242, 142, 199);
  keyRow(0, p.cmd0, p.cmd1, p.cmd2, p.cmd3);
  keyRow(1, p.cmdFreq, p.cmd4, p.cmd5, p.cmd6);
  p.cmdFreq.font = sans(7.8);
  p.cmdFreq.toolTip = "Start Keypad Freq. Entry";
  keyRow(2, p.cmdEnter, p.cmd7, p.cmd8, p.cmd9);
  p.cmdEnter.font = sans(7.8);
  p.cmdEnter.toolTip = "End Keypad Freq. Entry";
  transferRow(3, p.cmdM2V, p.txtLoadCh, p.vscLoadCh, p.cmdV2M);
  p.cmdM2V.toolTip = "Memory to VFO";
  p.txtLoadCh.toolTip = "Set Channel for VFO";
  p.cmdV2M.toolTip = "VFO to Memory";
  transferRow(4, p.cmdM2C, p.txtStoreCh, p.vscStoreCh, p.cmdC2M);
  p.cmdM2C.toolTip = "Memory to Chan";
  p.txtStoreCh.toolTip = "Set Channel for Load/Store";
  p.cmdC2M.toolTip = "Chan to Memory";
}

void layOutBandGroup(FrontPanel& p) {
  captionedFrame(p.fraBand);
  // The child windows place themselves over this frame: its place is fixed in twips.
  p.fraBand.left = 9480;
  p.fraBand.top = 240;
  p.fraBand.width = 972;
  p.fraBand.height = 6375;
  struct BandButton {
    ui::Control* button;
    const char* bandWord;
  };
  const BandButton buttons[] = {
      {&p.cmd10M, "10M"}, {&p.cmd12M, "12M"},   {&p.cmd15M, "15M"}, {&p.cmd17M, "17M"},
      {&p.cmd20M, "20M"}, {&p.cmd30M, "30M"},   {&p.cmd40M, "40M"}, {&p.cmd60M, "60M"},
      {&p.cmd75M, "75M"}, {&p.cmd160M, "160M"}, {&p.cmdWWV, "WWV"}, {&p.cmdMARS, "MARS"},
  };
  int y = 22;
  for (const BandButton& b : buttons) {
    bool wide = b.button == &p.cmdWWV || b.button == &p.cmdMARS;
    if (wide) {
      place(*b.button, 4, y, 56, 30);
    } else {
      place(*b.button, 10, y, 44, 30);
    }
    b.button->font = sans(9.6);
    b.button->toolTip = std::string("Open menu of ") + b.bandWord + " Frequencies";
    y += 33;
  }
  p.cmdWWV.font = sans(7.8);
}

}  // namespace layout
