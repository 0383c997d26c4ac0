// The about box, opened from the Help menu of the running program.
#include <gtest/gtest.h>

#include <regex>

#include "tests/support/program_rig.h"

namespace {

TEST(AboutBox, ShowsTheProgramsTitleAndTheCredits) {
  ProgramRig rig;
  rig.writePortSetup();
  rig.at(3.0, [&] { rig.click("mnuHelpAbout"); });  // returns when the box has closed
  rig.at(3.5, [&] {
    ui::Form& about = *rig.ui.findForm("frmHelp");
    EXPECT_EQ(about.caption, "About ");
    EXPECT_EQ(rig.ui.control("frmHelp", "Label3").caption, "Zarvin 0.930 : 4-29-15:1618");
    // A leading line break, the title line, then four credits each led by a line break and
    // a blank.
    EXPECT_TRUE(std::regex_match(rig.ui.control("frmHelp", "label1").caption.get(),
                                 std::regex("\r\nThe Zarvin Software project:(\r\n [^\r\n]+){4}")));
    for (const char* label : {"Label2", "label1", "Label3"}) {
      EXPECT_EQ(rig.ui.control("frmHelp", label).alignment.get(), ui::Alignment::Center) << label;
    }
    about.close();
  });
  rig.runFor(4.0);
  EXPECT_TRUE(rig.frm.form.enabled);
}

}  // namespace
