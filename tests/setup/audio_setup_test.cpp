// The audio setup dialog and AudioSetup.txt: the field reading, the options shown, Save,
// Exit and the close box, and the running program applying a saved choice.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>

#include "platform/ui/user_actions.h"
#include "setup/audio_setup_file.h"
#include "setup/frmAudioSetup.h"
#include "tests/setup/dialog_rig.h"

namespace {

// The selected element of each group, -1 for none: {source, PTT, input}.
using Shown = std::array<int, 3>;

int selectedOf(const std::vector<ui::Control*>& group) {
  int found = -1;
  for (size_t i = 0; i < group.size(); ++i) {
    if (group[i]->value == 0) continue;
    if (found >= 0) return -2;  // two selected in one group
    found = static_cast<int>(i);
  }
  return found;
}

class AudioSetupDialog : public ::testing::Test {
 protected:
  std::unique_ptr<frmAudioSetup> open() { return openDialog<frmAudioSetup>(rig); }
  static Shown shown(const frmAudioSetup& d) {
    return {selectedOf(d.Option1), selectedOf(d.Option2), selectedOf(d.Option3)};
  }

  ProgramRig rig;
};

TEST(AudioSetupFile, DelimitedFields) {
  const struct {
    std::vector<std::string> lines;
    std::vector<std::string> fields;
  } kRows[] = {
      // The lines as Save writes them.
      {{"H2 Audio 2", "'1 PTT On", "\"0 Remote Audio"},
       {"H2 Audio 2", "'1 PTT On", "0 Remote Audio"}},
      // A line 3 that lost its quote.
      {{"H1", "'0", "1 Local Audio"}, {"H1", "'0", "1 Local Audio"}},
      // Blanks before a field are skipped.
      {{"   H3 Patch", "'0", "x"}, {"H3 Patch", "'0", "x"}},
      // A comma splits a line and shifts the following fields.
      {{"H2, Audio 2", "'1 PTT On", "\"1"}, {"H2", "Audio 2", "'1 PTT On"}},
      // After a closing quote the rest of the field is skipped.
      {{"\"1\" Local, H3", "z", "z"}, {"1", "H3", "z"}},
      // An empty line is one empty field.
      {{"", "'1", "\"0"}, {"", "'1", "0"}},
      // The file runs out.
      {{"H1 Mic"}, {"H1 Mic"}},
      {{}, {}},
  };
  for (const auto& row : kRows) {
    EXPECT_EQ(readDelimitedFields(row.lines, 3), row.fields) << ::testing::PrintToString(row.lines);
  }
}

// The lines Save writes for each option.
const char* const kSource[] = {"H1 Mic\r\n", "H2 Audio 2\r\n", "H3 Patch\r\n"};
const char* const kPtt[] = {"'0 PTT Off\r\n", "'1 PTT On\r\n"};
const char* const kInput[] = {"\"0 Remote Audio\r\n", "\"1 Local Audio\r\n"};

// A group opens with the option of the file's code selected, or with none when the file or
// a matching code is missing; Save writes the default line of a group left untouched.
TEST_F(AudioSetupDialog, SelectsTheFilesCodesAndSavesDefaultsForTheRest) {
  const Shown kDefault = {0, 0, 1};  // Mic, PTT Off, Local Audio
  const struct {
    const char* content;  // nullptr: no file
    Shown shown;
  } kRows[] = {
      {nullptr, {-1, -1, -1}},                                      // nothing selected
      {"h2 Audio 2\r\n'1 PTT On\r\n\"0 Remote Audio", {-1, 1, 0}},  // "h2" is not "H2"
      {"H3 Patch\r\n'1 PTT On\r\n1 Local Audio", {2, 1, 1}},        // line 3 lost its quote
      {"H3 Patch\r\n'1 PTT On\r\n0 Remote Audio", {2, 1, 0}},       // the same
      {"H3 Patch\r\n'1 PTT On\r\n\"0", {2, 1, 0}},         // only the code; padded with a blank
      {"H3 Patch\r\n'1 PTT On\r\n\"2 Other", {2, 1, -1}},  // unknown: none
      {"", {-1, -1, -1}},                                  // empty
      {"H3 Patch\r\n", {2, -1, -1}},                       // one line
      {"H2\r\n'1 PTT On\r\n", {1, 1, -1}},                 // two lines
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.content ? row.content : "no file");
    if (row.content) rig.folder.write("AudioSetup.txt", row.content);
    rig.link.gAudioSetupChanged = false;
    auto d = open();
    EXPECT_EQ(d->form.caption, "Audio Setup");
    EXPECT_EQ(d->form.focus(), &d->cmdSave);
    EXPECT_EQ(d->form.controls().front().get(), &d->cmdSave);  // first in the tab order
    EXPECT_EQ(shown(*d), row.shown);
    ASSERT_TRUE(ui::userClick(d->cmdSave));
    Shown saved;
    for (int i = 0; i < 3; ++i) saved[i] = row.shown[i] < 0 ? kDefault[i] : row.shown[i];
    EXPECT_EQ(rig.folder.read("AudioSetup.txt"),
              std::string(kSource[saved[0]]) + kPtt[saved[1]] + kInput[saved[2]]);
    EXPECT_TRUE(rig.link.gAudioSetupChanged);
    EXPECT_FALSE(d->form.unloaded());  // Save keeps the dialog open
  }
  EXPECT_TRUE(rig.ui.messageBoxes().empty());
}

TEST_F(AudioSetupDialog, ReopensSelectingExactlyWhatWasSaved) {
  const Shown kChoices[] = {
      {0, 0, 0},  // Mic, PTT Off, Remote Audio
      {1, 1, 1},  // Audio 2, PTT On, Local Audio
      {2, 1, 0},  // Patch, PTT On, Remote Audio
      {2, 0, 1},  // Patch, PTT Off, Local Audio
  };
  for (const Shown& choice : kChoices) {
    SCOPED_TRACE(::testing::PrintToString(choice));
    {
      auto d = open();
      ui::userChooseOption(*d->Option1[choice[0]]);
      ui::userChooseOption(*d->Option2[choice[1]]);
      ui::userChooseOption(*d->Option3[choice[2]]);
      d->cmdSave_Click();
      ui::userClick(d->cmdExit);
    }
    auto again = open();
    EXPECT_EQ(shown(*again), choice);
    EXPECT_EQ(again->srcLine, kAudioSourceLines[choice[0]]);
    EXPECT_EQ(again->pttLine, kPttLines[choice[1]]);
    EXPECT_EQ(again->inputLine, kAudioInputLines[choice[2]]);
  }
}

TEST_F(AudioSetupDialog, FailedSaveKeepsTheOldFileAndRaisesNothing) {
  const std::string old = "H3 Patch\r\n'1 PTT On\r\n\"0 Remote Audio\r\n";
  rig.folder.write("AudioSetup.txt", old);
  ASSERT_EQ(chmod(rig.folder.file("AudioSetup.txt").c_str(), 0444), 0);
  auto d = open();
  ui::userChooseOption(*d->Option1[0]);
  d->cmdSave_Click();
  ASSERT_EQ(rig.ui.messageBoxes().size(), 1u);
  EXPECT_EQ(rig.ui.messageBoxes()[0], "AudioSetup.txt: Err 13. Permission denied");
  EXPECT_EQ(rig.folder.read("AudioSetup.txt"), old);
  EXPECT_FALSE(rig.link.gAudioSetupChanged);
  EXPECT_FALSE(d->form.unloaded());
}

TEST_F(AudioSetupDialog, ExitAndCloseBoxSaveNothing) {
  for (bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "Exit");
    auto d = open();
    ui::userChooseOption(*d->Option1[2]);
    if (closeBox) {
      d->form.close();
    } else {
      ui::userClick(d->cmdExit);
    }
    EXPECT_TRUE(d->form.unloaded());
    EXPECT_TRUE(rig.frm.form.enabled);
  }
  EXPECT_FALSE(rig.folder.exists("AudioSetup.txt"));
  EXPECT_FALSE(rig.link.gAudioSetupChanged);
}

TEST_F(AudioSetupDialog, UnknownOptionElementChangesNothing) {
  auto d = open();
  d->Option1_Click(3);
  d->Option2_Click(-1);
  d->Option3_Click(2);
  EXPECT_EQ(d->srcLine, "H1 Mic");
  EXPECT_EQ(d->pttLine, "'0 PTT Off");
  EXPECT_EQ(d->inputLine, "\"1 Local Audio");
}

// The running program: Save in the dialog makes the main loop run the REMOTE set-up again,
// which reads the file afresh.
TEST(AudioSetupInProgram, SaveRunsTheRemoteSetUpAgain) {
  ProgramRig rig;
  rig.writePortSetup();
  size_t commandsBefore = 0;
  rig.at(6.0, [&] { rig.click("mnuAudioSetup"); });  // returns when the dialog has closed
  rig.at(6.5, [&] {
    ui::userChooseOption(rig.ui.control("frmAudioSetup", "Option1", 1));  // Audio 2
    ui::userClick(rig.ui.control("frmAudioSetup", "cmdSave"));
  });
  rig.at(7.0, [&] {
    commandsBefore = rig.commands().size();
    EXPECT_TRUE(rig.link.gAudioSetupChanged);  // the loop waits while the dialog is open
    ui::userClick(rig.ui.control("frmAudioSetup", "cmdExit"));
  });
  rig.runFor(20.0);
  EXPECT_TRUE(rig.frm.form.enabled);
  EXPECT_FALSE(rig.link.gAudioSetupChanged);  // the REMOTE set-up has run
  EXPECT_EQ(rig.frm.panelMode, "REMOTE");
  const std::vector<std::string>& after = rig.commands();
  EXPECT_NE(std::find(after.begin() + static_cast<long>(commandsBefore), after.end(), "?"),
            after.end());  // it asked for the full status again
  EXPECT_EQ(rig.frm.wantedAudioSource, "H2");
  EXPECT_EQ(rig.radio.state.audioSource, 2);
}

}  // namespace
