// The front panel in a real FLTK window (under Xvfb) without its start-up: the fixture of the
// tests that show the panel and its child windows, and the checks of their screenshots.
#pragma once
#include <gtest/gtest.h>
// After gtest: the X11 headers define None.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/x.H>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "app/child_windows.h"
#include "panel/frmZarvin.h"
#include "platform/clock.h"
#include "platform/serial/termios_port.h"
#include "platform/text_files.h"
#include "platform/ui/fltk/fltk_ui.h"
#include "tests/support/temp_folder.h"

namespace fltk_panel {

/// The path of a screenshot in the build folder, any older picture of that name removed.
inline std::string freshBuildFile(const std::string& name) {
  std::string path = std::string(ZARVIN_BUILD_DIR) + "/" + name;
  std::remove(path.c_str());
  return path;
}

inline bool isPng(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string signature(8, '\0');
  file.read(signature.data(), 8);
  return file && signature == "\x89PNG\r\n\x1a\n";
}

/// "name/Class WxH": a shown window's WM_CLASS and the size of its first icon in _NET_WM_ICON,
/// as a window manager reads them.
inline std::string identityOf(Fl_Window& window) {
  XClassHint hint{};
  std::string identity;
  if (XGetClassHint(fl_display, fl_xid(&window), &hint) != 0) {
    identity = std::string(hint.res_name) + "/" + hint.res_class;
    XFree(hint.res_name), XFree(hint.res_class);
  }
  Atom type = 0, iconAtom = XInternAtom(fl_display, "_NET_WM_ICON", False);
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* icon = nullptr;
  XGetWindowProperty(fl_display, fl_xid(&window), iconAtom, 0, 2, False, AnyPropertyType, &type,
                     &format, &count, &after, &icon);
  const auto* size = reinterpret_cast<unsigned long*>(icon);
  if (count == 2) identity += " " + std::to_string(size[0]) + "x" + std::to_string(size[1]);
  if (icon != nullptr) XFree(icon);
  return identity;
}

/// The main window with its child windows, shown; its port (COMn links in the temporary
/// working folder) is never opened by the panel itself.
class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
    ui = std::make_unique<ui::fltk::FltkUi>("Zarvin");
    port = std::make_unique<TermiosSerialPort>(folder.path());
    platform = std::make_unique<Platform>(Platform{clock, *ui, *port, files});
    frm = std::make_unique<frmZarvin>(*platform);
    wireChildWindows(*frm);
    frm->link.gTitle = "Zarvin 0.930 : 4-29-15:1618";
    frm->form.caption = frm->link.gTitle;
    if (!panelShown) return;
    frm->form.show();
    pumpFor(0.1);
  }
  void TearDown() override {
    frm.reset();
    if (ui) ui->doEvents(0);
  }
  /// Runs the window events for `seconds` of real time.
  void pumpFor(double seconds) {
    double end = clock.now() + seconds;
    while (clock.now() < end) ui->doEvents(0.02);
  }

  bool panelShown = true;  // false: a test that keeps out of the other tests' way on screen
  WallClock clock;
  TempFolder folder;
  TextFiles files{folder.path()};
  std::unique_ptr<ui::fltk::FltkUi> ui;
  std::unique_ptr<TermiosSerialPort> port;
  std::unique_ptr<Platform> platform;
  std::unique_ptr<frmZarvin> frm;
};

}  // namespace fltk_panel
