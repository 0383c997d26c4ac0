// The port setup and audio setup dialogs drawn by FLTK (under Xvfb): each is shown over a real
// front panel and saved as a screenshot in the build folder (the about box's picture comes
// from the Help menu's test).
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "platform/ui/fltk/units.h"
#include "setup/frmAudioSetup.h"
#include "setup/frmPortSetup.h"
#include "tests/e2e/fltk_panel_rig.h"

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

class SetupDialogsOnScreen : public fltk_panel::PanelTest {
 protected:
  // Shows the loaded dialog over the disabled panel, saves its picture and checks it, closes
  // it with `close` and sees the panel enabled again.
  void snapshot(ui::Form& form, const std::string& fileName, const std::function<void()>& close) {
    frm->form.enabled = false;  // as the menus leave it under a dialog
    form.show();
    pumpFor(0.2);
    Fl_Window* window = ui->windowOf(form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->shown());
    EXPECT_EQ(window->w(), ui::fltk::twipsToPixels(form.width));
    EXPECT_EQ(window->h(), ui::fltk::twipsToPixels(form.height));
    EXPECT_STREQ(window->label(), form.caption.c_str());
    std::string path = fltk_panel::freshBuildFile(fileName);
    ASSERT_TRUE(ui->saveScreenshot(form, path));
    EXPECT_TRUE(fltk_panel::isPng(path));
    close();
    pumpFor(0.2);
    EXPECT_TRUE(frm->form.enabled);
  }
};

TEST_F(SetupDialogsOnScreen, PortSetup) {
  FakeAdapter com3(folder, 3);
  FakeAdapter com5(folder, 5);
  ASSERT_TRUE(com3.ok() && com5.ok());
  port->setCommPort(3);
  port->setSettings("9600 ,O,7,1");
  port->setHandshaking(2);
  frmPortSetup dialog(*platform, frm->link, *frm);
  dialog.Form_Load();
  EXPECT_NE(dialog.txtFound.caption->find(" 3 5"), std::string::npos) << dialog.txtFound.caption;
  snapshot(dialog.form, "port_setup.png", [&] { dialog.cmdCancel_Click(); });
}

TEST_F(SetupDialogsOnScreen, AudioSetup) {
  files.writeLines("AudioSetup.txt", {"H2 Audio 2", "'1 PTT On", "\"0 Remote Audio"});
  frmAudioSetup dialog(*platform, frm->link, *frm);
  dialog.Form_Load();
  EXPECT_EQ(dialog.Option1[1]->value, 1);
  snapshot(dialog.form, "audio_setup.png", [&] { dialog.cmdExit_Click(); });
}

}  // namespace
