#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/panel/frequency_entry_rig.h"

namespace {

/// The up arrow of a channel scroll bar (its top end is 99), as a user clicks it.
void arrowUp(ui::Control& bar) {
  ui::userSetValue(bar, bar.value + 1);
}
void arrowDown(ui::Control& bar) {
  ui::userSetValue(bar, bar.value - 1);
}

/// Shows seven digits on the channel display, as a channel status line would.
void showChannelDigits(FrequencyEntryRig& rig, const std::string& digits) {
  for (int i = 0; i < 7; ++i) rig.control("cmdChanF", i).caption = digits.substr(i, 1);
}

TEST(ChannelNumbers, ScrollBarsCountFrom00To99) {
  FrequencyEntryRig rig;
  std::vector<std::string> load, store;
  rig.afterReady(1.0, [&] {
    ui::Control& bar = rig.control("vscLoadCh");
    load.push_back(rig.control("txtLoadCh").caption);  // as the window opens
    arrowUp(bar);
    load.push_back(rig.control("txtLoadCh").caption);  // one up
    arrowDown(bar);
    arrowDown(bar);
    load.push_back(rig.control("txtLoadCh").caption);  // stops at the bottom
    ui::userSetValue(bar, 98);
    arrowUp(bar);
    load.push_back(rig.control("txtLoadCh").caption);  // the top
    arrowUp(bar);
    load.push_back(rig.control("txtLoadCh").caption);  // stops at the top
  });
  rig.afterReady(1.1, [&] {
    ui::Control& bar = rig.control("vscStoreCh");
    arrowUp(bar);
    store.push_back(rig.control("txtStoreCh").caption);
    ui::userSetValue(bar, 99);
    arrowUp(bar);
    store.push_back(rig.control("txtStoreCh").caption);
  });
  rig.runScenario(1.5);
  ASSERT_GE(rig.readyAt, 0);
  EXPECT_EQ(load, (std::vector<std::string>{"00", "01", "00", "99", "99"}));
  EXPECT_EQ(store, (std::vector<std::string>{"01", "99"}));
}

TEST(ChannelNumbers, BoxesHandTheFocusToTheirScrollBars) {
  FrequencyEntryRig rig;
  ui::Control* loadFocus = nullptr;
  ui::Control* storeFocus = nullptr;
  rig.afterReady(1.0, [&] {
    ui::userFocus(rig.control("txtLoadCh"));
    loadFocus = rig.frm.form.focus();
    ui::userFocus(rig.control("txtStoreCh"));
    storeFocus = rig.frm.form.focus();
  });
  rig.runScenario(1.5);
  ASSERT_GE(rig.readyAt, 0);
  EXPECT_EQ(loadFocus, &rig.control("vscLoadCh"));
  EXPECT_EQ(storeFocus, &rig.control("vscStoreCh"));
}

TEST(ChannelTransfers, EachButtonSendsItsCommand) {
  struct Case {
    const char* button;
    int loadChannel;
    int storeChannel;
    const char* channelDigits;  // on the channel display
    const char* channelMode;    // in cmbChMode
    const char* sent;
  } cases[] = {
      // Channel 7 recalled to the VFO.
      {"cmdM2V", 7, 0, "0000000", "", "C07"},
      // The radio's 14.25 MHz LSB stored in channel 12.
      {"cmdV2M", 12, 0, "0000000", "", "P1214250002"},
      // Channel 3 recalled to the channel display.
      {"cmdM2C", 0, 3, "0000000", "", "L03"},
      // The channel display's 7.05 MHz CW stored in channel 3.
      {"cmdC2M", 0, 3, "0705000", "C", "P0307050004"},
      // The same in USB, AME and LSB into channel 99.
      {"cmdC2M", 0, 99, "2999999", "U", "P9929999991"},
      {"cmdC2M", 0, 99, "0160000", "A", "P9901600003"},
      {"cmdC2M", 0, 99, "1000000", "L", "P9910000002"},
  };
  for (const Case& c : cases) {
    FrequencyEntryRig rig;
    rig.radio.state.mode = 2;  // LSB
    size_t before = 0;
    rig.afterReady(1.0, [&] {
      ui::userSetValue(rig.control("vscLoadCh"), c.loadChannel);
      ui::userSetValue(rig.control("vscStoreCh"), c.storeChannel);
      showChannelDigits(rig, c.channelDigits);
      rig.control("cmbChMode").caption = c.channelMode;
      before = rig.commands().size();
      EXPECT_TRUE(rig.click(c.button)) << c.sent;
    });
    std::vector<std::string> sent;
    rig.afterReady(1.5, [&] {
      for (size_t i = before; i < rig.commands().size(); ++i) {
        if (rig.commands()[i] != "U") sent.push_back(rig.commands()[i]);  // not the keep-alive
      }
    });
    rig.runScenario(2.0);
    ASSERT_GE(rig.readyAt, 0);
    EXPECT_EQ(sent, std::vector<std::string>{c.sent}) << c.button;
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

TEST(ChannelTransfers, StoresWithNothingSoundToStoreSendNothing) {
  struct Case {
    const char* button;
    const char* channelDigits;
    const char* channelMode;
    const char* radioFreq;  // the radio's frequency and mode items as the program holds them
    const char* radioMode;
  } cases[] = {
      {"cmdC2M", "0000000", "U", "F1425000", "M1"},  // channel display never loaded
      {"cmdC2M", "3100000", "U", "F1425000", "M1"},  // 31 MHz, out of the radio's range
      {"cmdC2M", "0705000", "", "F1425000", "M1"},   // no channel mode chosen
      {"cmdV2M", "0705000", "C", "F14:5000", "M1"},  // the radio's frequency arrived garbled
      {"cmdV2M", "0705000", "C", "F1425000", "M:"},  // and its mode
  };
  for (const Case& c : cases) {
    FrequencyEntryRig rig;
    size_t before = 0;
    bool flagCleared = false;
    rig.afterReady(1.0, [&] {
      showChannelDigits(rig, c.channelDigits);
      rig.control("cmbChMode").caption = c.channelMode;
      rig.link.gFreq = c.radioFreq;
      rig.link.gMode = c.radioMode;
      before = rig.commands().size();
      rig.click(c.button);
    });
    rig.afterReady(1.5, [&] { flagCleared = !rig.frm.c2mFlag && !rig.frm.v2mFlag; });
    rig.runScenario(2.0);
    ASSERT_GE(rig.readyAt, 0);
    for (size_t i = before; i < rig.commands().size(); ++i) {
      EXPECT_NE(rig.commands()[i][0], 'P') << c.button << " " << c.channelDigits;
    }
    EXPECT_TRUE(flagCleared);
  }
}

}  // namespace
