#include <gtest/gtest.h>

#include "tests/support/link_rig.h"

namespace {

TEST(Utilities, FileExistsEmptiesAndShowsTheInfoBox) {
  LinkRig rig;
  rig.folder.write("AudioSetup.txt", "H1\r\n");
  rig.panel.txtInfo.caption = "old text";
  rig.panel.txtInfo.visible = false;
  EXPECT_TRUE(rig.link.fileExists("AudioSetup.txt"));
  EXPECT_TRUE(rig.panel.txtInfo.visible);
  EXPECT_EQ(rig.panel.txtInfo.caption, "");
}

TEST(Utilities, MissingFileShowsItsErrorText) {
  LinkRig rig;
  EXPECT_FALSE(rig.link.fileExists("Permissions.txt"));
  EXPECT_EQ(rig.panel.txtInfo.caption,
            "fileExists(Permissions.txt): Err 2. No such file or directory");
}

TEST(Utilities, PortProbeAsksTheSerialLayer) {
  LinkRig rig;
  rig.port.setPresentPorts({2, 5});
  EXPECT_FALSE(rig.link.gPortExists(1));
  EXPECT_TRUE(rig.link.gPortExists(2));
  EXPECT_TRUE(rig.link.gPortExists(5));
}

}  // namespace
