// The port setup dialog, the audio setup dialog and the about box drawn by FLTK (under Xvfb):
// each window is shown over a real front panel and saved as a screenshot in the build folder.
#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "panel/frmZarvin.h"
#include "platform/clock.h"
#include "platform/serial/termios_port.h"
#include "platform/text_files.h"
#include "platform/ui/fltk/fltk_ui.h"
#include "platform/ui/fltk/units.h"
#include "setup/frmAudioSetup.h"
#include "setup/frmHelp.h"
#include "setup/frmPortSetup.h"
#include "tests/support/temp_folder.h"

namespace {

// A pseudo-terminal that stands for a serial adapter, named COM<n> in the working folder.
class FakeAdapter {
 public:
  FakeAdapter(const TempFolder& folder, int portNumber) {
    m_fd = posix_openpt(O_RDWR | O_NOCTTY);
    char name[128] = "";
    if (m_fd < 0 || grantpt(m_fd) != 0 || unlockpt(m_fd) != 0 ||
        ptsname_r(m_fd, name, sizeof name) != 0) {
      return;
    }
    m_ok = symlink(name, folder.file("COM" + std::to_string(portNumber)).c_str()) == 0;
  }
  ~FakeAdapter() {
    if (m_fd >= 0) close(m_fd);
  }
  bool ok() const { return m_ok; }

 private:
  int m_fd = -1;
  bool m_ok = false;
};

class SetupDialogsOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
    ui = std::make_unique<ui::fltk::FltkUi>("Zarvin");
    port = std::make_unique<TermiosSerialPort>(folder.path());
    files = std::make_unique<TextFiles>(folder.path());
    platform = std::make_unique<Platform>(Platform{clock, *ui, *port, *files});
    main = std::make_unique<frmZarvin>(*platform);
    main->link.gTitle = "Zarvin 0.930 : 4-29-15:1618";
    main->form.caption = main->link.gTitle;
    main->form.show();
    main->form.enabled = false;  // as the menus leave it under a dialog
    settle();
  }
  void TearDown() override {
    main.reset();
    if (ui) ui->doEvents(0);
  }

  void settle() {
    for (int i = 0; i < 10; ++i) ui->doEvents(0.02);
  }
  // Shows the loaded dialog, saves its picture and checks it is a PNG of the window's size.
  void snapshot(ui::Form& form, const std::string& fileName) {
    form.show();
    settle();
    Fl_Window* window = ui->windowOf(form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->shown());
    EXPECT_EQ(window->w(), ui::fltk::twipsToPixels(form.width));
    EXPECT_EQ(window->h(), ui::fltk::twipsToPixels(form.height));
    EXPECT_STREQ(window->label(), form.caption.c_str());
    std::string path = std::string(ZARVIN_BUILD_DIR) + "/" + fileName;
    std::remove(path.c_str());
    ASSERT_TRUE(ui->saveScreenshot(form, path));
    std::ifstream file(path, std::ios::binary);
    std::string signature(8, '\0');
    file.read(signature.data(), 8);
    EXPECT_EQ(signature, "\x89PNG\r\n\x1a\n");
  }

  TempFolder folder;
  WallClock clock;
  std::unique_ptr<ui::fltk::FltkUi> ui;
  std::unique_ptr<TermiosSerialPort> port;
  std::unique_ptr<TextFiles> files;
  std::unique_ptr<Platform> platform;
  std::unique_ptr<frmZarvin> main;
};

TEST_F(SetupDialogsOnScreen, PortSetup) {
  FakeAdapter com3(folder, 3);
  FakeAdapter com5(folder, 5);
  ASSERT_TRUE(com3.ok() && com5.ok());
  port->setCommPort(3);
  port->setSettings("9600 ,O,7,1");
  port->setHandshaking(2);
  frmPortSetup dialog(*platform, main->link, *main);
  dialog.Form_Load();
  EXPECT_NE(dialog.txtFound.caption.find(" 3 5"), std::string::npos) << dialog.txtFound.caption;
  snapshot(dialog.form, "port_setup.png");
  dialog.cmdCancel_Click();
  settle();
  EXPECT_TRUE(main->form.enabled);
}

TEST_F(SetupDialogsOnScreen, AudioSetup) {
  files->writeLines("AudioSetup.txt", {"H2 Audio 2", "'1 PTT On", "\"0 Remote Audio"});
  frmAudioSetup dialog(*platform, main->link, *main);
  dialog.Form_Load();
  EXPECT_EQ(dialog.Option1[1]->value, 1);
  snapshot(dialog.form, "audio_setup.png");
  dialog.cmdExit_Click();
  settle();
  EXPECT_TRUE(main->form.enabled);
}

TEST_F(SetupDialogsOnScreen, About) {
  frmHelp about(*platform, main->link, *main);
  about.Form_Load();
  snapshot(about.form, "about.png");
  about.form.close();
  settle();
  EXPECT_TRUE(main->form.enabled);
}

}  // namespace
