// The about box: caption, credits, title, and the way back to the front panel.
#include <gtest/gtest.h>

#include <memory>

#include "setup/frmHelp.h"
#include "tests/support/program_rig.h"

namespace {

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2) {
    lines.push_back(text.substr(start, at - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

TEST(AboutBox, ShowsCreditsAndTheTitle) {
  ProgramRig rig;
  rig.link.gTitle = "Zarvin 0.930 : 4-29-15:1618";
  frmHelp about(rig.platform, rig.link, rig.frm);
  about.Form_Load();
  EXPECT_EQ(about.form.caption, "About ");
  EXPECT_EQ(about.Label3.caption, "Zarvin 0.930 : 4-29-15:1618");
  EXPECT_FALSE(about.Label2.caption.empty());
  std::vector<std::string> lines = splitLines(about.label1.caption);
  ASSERT_EQ(lines.size(), 6u);  // a leading line break, the title line and four credits
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "The Zarvin Software project:");
  for (size_t i = 2; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].substr(0, 1), " ") << lines[i];
    EXPECT_GT(lines[i].size(), 1u);
  }
}

// From the Help menu in the running program, and closed again with the close box.
TEST(AboutBox, MenuOpensItOverADisabledPanelAndCloseEnablesIt) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(6.0, [&] { rig.click("mnuHelpAbout"); });
  rig.at(6.5, [&] {
    EXPECT_FALSE(rig.frm.form.enabled);
    EXPECT_EQ(rig.ui.control("frmHelp", "Label3").caption, "Zarvin 0.930 : 4-29-15:1618");
    rig.ui.findForm("frmHelp")->close();
  });
  rig.runFor(8.0);
  EXPECT_EQ(rig.ui.findForm("frmHelp"), nullptr);
  EXPECT_TRUE(rig.frm.form.enabled);
  EXPECT_EQ(rig.frm.panelMode, "REMOTE");
}

}  // namespace
