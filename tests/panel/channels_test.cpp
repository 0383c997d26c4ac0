// The channel number boxes and scroll bars, and the four memory transfers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/panel/frequency_entry_rig.h"

namespace {

TEST(ChannelNumbers, ScrollBarsCountFrom00To99AndTakeTheBoxesFocus) {
  struct Step {
    const char* bar;
    int value;  // as the arrows would set it
    const char* box;
    const char* shown;
  } steps[] = {
      {"vscLoadCh", 1, "txtLoadCh", "01"},    // one up
      {"vscLoadCh", -1, "txtLoadCh", "00"},   // stops at the bottom
      {"vscLoadCh", 100, "txtLoadCh", "99"},  // stops at the top
      {"vscStoreCh", 7, "txtStoreCh", "07"},  // the other pair alike
  };
  FrequencyEntryRig rig;
  rig.afterReady(1.0, [&] {
    for (const Step& s : steps) {
      ui::userSetValue(rig.control(s.bar), s.value);
      EXPECT_EQ(rig.control(s.box).caption, s.shown) << s.bar << " " << s.value;
      ui::userFocus(rig.control(s.box));
      EXPECT_EQ(rig.frm.form.focus(), &rig.control(s.bar)) << s.box;
    }
  });
  rig.runScenario(1.5);
  ASSERT_GE(rig.readyAt, 0);
}

TEST(ChannelTransfers, EachButtonSendsItsCommandOrNothing) {
  struct Case {
    const char* button;
    int loadChannel;
    int storeChannel;
    const char* channelDigits;  // on the channel display
    const char* channelMode;    // in cmbChMode
    const char* radioFreq;      // the radio's items as the program holds them ("" as reported)
    const char* radioMode;
    const char* sent;  // "" for nothing
  } cases[] = {
      // Channel 7 recalled to the VFO.
      {"cmdM2V", 7, 0, "0000000", "", "", "", "C07"},
      // The radio's 14.25 MHz LSB stored in channel 12.
      {"cmdV2M", 12, 0, "0000000", "", "", "", "P1214250002"},
      // Channel 3 recalled to the channel display.
      {"cmdM2C", 0, 3, "0000000", "", "", "", "L03"},
      // The channel display's 7.05 MHz CW stored in channel 3.
      {"cmdC2M", 0, 3, "0705000", "C", "", "", "P0307050004"},
      // The same in USB, AME and LSB into channel 99.
      {"cmdC2M", 0, 99, "2999999", "U", "", "", "P9929999991"},
      {"cmdC2M", 0, 99, "0160000", "A", "", "", "P9901600003"},
      {"cmdC2M", 0, 99, "1000000", "L", "", "", "P9910000002"},
      // Nothing sound to store: the channel display never loaded, 31 MHz (out of the radio's
      // range), no channel mode chosen, the radio's frequency or mode arrived garbled.
      {"cmdC2M", 0, 0, "0000000", "U", "", "", ""},
      {"cmdC2M", 0, 0, "3100000", "U", "", "", ""},
      {"cmdC2M", 0, 0, "0705000", "", "", "", ""},
      {"cmdV2M", 0, 0, "0705000", "C", "F14:5000", "", ""},
      {"cmdV2M", 0, 0, "0705000", "C", "", "M:", ""},
  };
  for (const Case& c : cases) {
    FrequencyEntryRig rig;
    rig.radio.state.mode = 2;  // LSB
    size_t before = 0;
    rig.afterReady(1.0, [&] {
      ui::userSetValue(rig.control("vscLoadCh"), c.loadChannel);
      ui::userSetValue(rig.control("vscStoreCh"), c.storeChannel);
      rig.setDigits("cmdChanF", c.channelDigits);
      rig.control("cmbChMode").caption = c.channelMode;
      if (*c.radioFreq) rig.link.gFreq = c.radioFreq;
      if (*c.radioMode) rig.link.gMode = c.radioMode;
      before = rig.commands().size();
      EXPECT_TRUE(rig.click(c.button)) << c.sent;
    });
    std::vector<std::string> sent;
    bool flagsCleared = false;
    rig.afterReady(1.5, [&] {
      for (size_t i = before; i < rig.commands().size(); ++i) {
        if (rig.commands()[i] != "U") sent.push_back(rig.commands()[i]);
      }
      flagsCleared = !rig.frm.m2vFlag && !rig.frm.v2mFlag && !rig.frm.m2cFlag && !rig.frm.c2mFlag;
    });
    rig.runScenario(2.0);
    ASSERT_GE(rig.readyAt, 0);
    EXPECT_EQ(sent, *c.sent ? std::vector<std::string>{c.sent} : std::vector<std::string>{})
        << c.button << " " << c.channelDigits;
    EXPECT_TRUE(flagsCleared) << c.button;
  }
}

TEST(ChannelTransfers, RecallsShowTheirChannel) {
  FrequencyEntryRig rig;
  rig.radio.state.memory[7] = {705000, 4};   // 7.05 MHz CW
  rig.radio.state.memory[3] = {2125000, 3};  // 21.25 MHz AME
  rig.afterReady(1.0, [&] {
    ui::userSetValue(rig.control("vscLoadCh"), 7);
    ui::userSetValue(rig.control("vscStoreCh"), 3);
    rig.click("cmdM2V");
    rig.click("cmdM2C");
  });
  rig.runScenario(2.0);
  ASSERT_GE(rig.readyAt, 0);
  EXPECT_EQ(rig.control("lblInfo").caption, "Channel 07");
  EXPECT_EQ(rig.digits("cmdF"), "0705000");  // the radio's answer to C07
  EXPECT_EQ(rig.digits("cmdChanF"), "2125000");
  EXPECT_EQ(rig.control("cmbChMode").caption, "A");
}

}  // namespace
