// The about box: caption, credits and the title.
#include <gtest/gtest.h>

#include "setup/frmHelp.h"
#include "tests/setup/dialog_rig.h"

namespace {

TEST(AboutBox, ShowsCreditsAndTheTitle) {
  ProgramRig rig;
  rig.link.gTitle = "Zarvin 0.930 : 4-29-15:1618";
  auto about = openDialog<frmHelp>(rig);
  EXPECT_EQ(about->form.caption, "About ");
  EXPECT_EQ(about->Label3.caption, "Zarvin 0.930 : 4-29-15:1618");
  EXPECT_FALSE(about->Label2.caption->empty());
  for (ui::Control* label : {&about->Label2, &about->label1, &about->Label3}) {
    EXPECT_EQ(label->alignment, ui::Alignment::Center) << label->name();
  }
  // A leading line break, the title line and four credits, each led by a blank.
  std::string text = about->label1.caption;
  std::vector<std::string> lines;
  for (size_t start = 0, end = 0; end != std::string::npos; start = end + 2) {
    end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "The Zarvin Software project:");
  for (size_t i = 2; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].substr(0, 1), " ") << lines[i];
    EXPECT_GT(lines[i].size(), 1u);
  }
  about->form.close();
  EXPECT_TRUE(rig.frm.form.enabled);
}

}  // namespace
