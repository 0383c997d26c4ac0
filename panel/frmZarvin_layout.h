#pragma once

class FrontPanel;

/// Sets the design-time properties of every control of the main window: places and sizes,
/// fonts, colours, tooltips, ranges, lists and the initial enabled and visible states.
void layOutFrontPanel(FrontPanel& panel);
