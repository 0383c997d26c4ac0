// The audio setup dialog and AudioSetup.txt: the options shown, Save, Exit and the close
// box (the running program applying a saved choice is a row of the panel's menu tests).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/ui/user_actions.h"
#include "setup/dialog_layout.h"
#include "setup/frmAudioSetup.h"
#include "tests/support/program_rig.h"

namespace {

class AudioSetupDialog : public ::testing::Test {
 protected:
  std::unique_ptr<frmAudioSetup> open() { return rig.openDialog<frmAudioSetup>(); }
  using Group = std::vector<ui::Control*>;
  static std::vector<const Group*> groups(const frmAudioSetup& d) {
    return {&d.Option1, &d.Option2, &d.Option3};
  }
  /// The selected element of the source, PTT and input groups, "-" for none.
  static std::string shown(const frmAudioSetup& d) {
    std::string found;
    for (const Group* group : groups(d)) {
      int i = dialog::selectedOption(*group);
      found += i < 0 ? '-' : static_cast<char>('0' + i);
    }
    return found;
  }

  ProgramRig rig;
};

// A group opens with the option of the file's code selected, or with none when the file or a
// matching code is missing; Save writes the three lines, with the default of a group left
// untouched (Mic, PTT Off, Local Audio), and keeps the dialog open.
TEST_F(AudioSetupDialog, SelectsTheFilesCodesAndSavesTheirLines) {
  const struct {
    const char* content;  // nullptr: no file
    const char* shown;
    const char* saved;
  } kRows[] = {
      {nullptr, "---", "H1 Mic\r\n'0 PTT Off\r\n\"1 Local Audio\r\n"},
      // "h2" is not "H2"; line 3's code is the digit after the quote.
      {"h2 Audio 2\r\n'1 PTT On\r\n\"0 Remote", "-10",
       "H1 Mic\r\n'1 PTT On\r\n\"0 Remote Audio\r\n"},
      // Line 3 lost its quote.
      {"H3 Patch\r\n'1 PTT On\r\n1 Local", "211", "H3 Patch\r\n'1 PTT On\r\n\"1 Local Audio\r\n"},
      // Codes alone; an unknown code selects nothing.
      {"H2\r\n'0\r\n\"2 Other", "10-", "H2 Audio 2\r\n'0 PTT Off\r\n\"1 Local Audio\r\n"},
      {"H1\r\n", "0--", "H1 Mic\r\n'0 PTT Off\r\n\"1 Local Audio\r\n"},  // one line
      // Blanks before a field are skipped; after a closing quote the rest of the field is
      // skipped; a comma splits a line, so the third code comes from line 2.
      {"  H3\r\n\"'1\" x, \"0\r\n", "210", "H3 Patch\r\n'1 PTT On\r\n\"0 Remote Audio\r\n"},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.content ? row.content : "no file");
    if (row.content) rig.folder.write("AudioSetup.txt", row.content);
    rig.link.gAudioSetupChanged = false;
    auto d = open();
    EXPECT_EQ(shown(*d), row.shown);
    ASSERT_TRUE(ui::userClick(d->cmdSave));
    EXPECT_EQ(rig.folder.read("AudioSetup.txt"), row.saved);
    EXPECT_TRUE(rig.link.gAudioSetupChanged);
    EXPECT_FALSE(d->form.unloaded());
  }
}

// What Save wrote is selected again at the next opening; a failed Save shows its error and
// keeps that file. The close box and Exit give the panel back.
TEST_F(AudioSetupDialog, ReopensSelectingWhatWasSavedAndKeepsItWhenSaveFails) {
  for (const char* choice : {"000", "111", "210"}) {
    auto d = open();
    for (int g = 0; g < 3; ++g) ui::userChooseOption(*groups(*d)[g]->at(choice[g] - '0'));
    d->cmdSave_Click();
    d->form.close();
    EXPECT_TRUE(rig.frm.form.enabled);
    EXPECT_EQ(shown(*open()), choice);
  }
  ASSERT_EQ(chmod(rig.folder.file("AudioSetup.txt").c_str(), 0444), 0);
  rig.link.gAudioSetupChanged = false;
  auto d = open();
  ui::userChooseOption(*d->Option1[0]);
  d->cmdSave_Click();
  EXPECT_EQ(rig.ui.messageBoxes(),
            std::vector<std::string>{"AudioSetup.txt: Err 13. Permission denied"});
  EXPECT_EQ(rig.folder.read("AudioSetup.txt"), "H3 Patch\r\n'1 PTT On\r\n\"0 Remote Audio\r\n");
  EXPECT_FALSE(rig.link.gAudioSetupChanged);
  ASSERT_TRUE(ui::userClick(d->cmdExit));
  EXPECT_TRUE(rig.frm.form.enabled);
}

}  // namespace
