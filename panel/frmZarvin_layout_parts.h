#pragma once
// The pieces of the main window's layout, one per group of controls.
#include <string>

#include "platform/ui/control.h"

class FrontPanel;

namespace layout {

/// Places a control in its container. The numbers are screen pixels of 15 twips each: the
/// panel is drawn 1:1 on a 96 dpi screen.
void place(ui::Control& c, int x, int y, int width, int height);

/// MS Sans Serif at that size.
ui::Font sans(double points, bool bold = true);

/// A button with its own font size and a tooltip.
void tippedButton(ui::Control& button, int x, int y, int width, int height, double points,
                  const std::string& toolTip);

/// A captioned group: frame grey, 9.6 pt bold caption.
void captionedFrame(ui::Control& frame);
/// A captionless group: frame grey, the window's font.
void plainFrame(ui::Control& frame);
/// A label showing a short state or value, centred in its box.
void stateLabel(ui::Control& label, ui::Color back);

void layOutMeterGroups(FrontPanel& p);     // fraMeter, fraRF, fraBFO
void layOutLeftButtons(FrontPanel& p);     // fraLeftButtons
void layOutFrequencyGroup(FrontPanel& p);  // Frame1 with fraFreq
void layOutAmpAndChannel(FrontPanel& p);   // fraAmp, fraChan
void layOutKeypad(FrontPanel& p);          // fraRightButtons
void layOutBandGroup(FrontPanel& p);       // fraBand
void layOutBottomRow(FrontPanel& p);       // the labels, buttons and boxes under the groups
void layOutBorderAndMenus(FrontPanel& p);  // Line1 to Line4 and the menu bar

}  // namespace layout
