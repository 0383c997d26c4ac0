#pragma once

class frmZarvin;

/// Gives the main window its child windows: the band list, the two scanners, the two setup
/// dialogs and the about box, each created afresh at its opening and destroyed after it.
void wireChildWindows(frmZarvin& main);
