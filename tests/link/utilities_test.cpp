#include <gtest/gtest.h>

#include "tests/support/link_rig.h"

namespace {

TEST(Utilities, FileExistsEmptiesAndShowsTheInfoBoxOrTheErrorText) {
  LinkRig rig;
  rig.folder.write("AudioSetup.txt", "H1\r\n");
  rig.panel.txtInfo.caption = "old text";
  EXPECT_TRUE(rig.link.fileExists("AudioSetup.txt"));
  EXPECT_TRUE(rig.panel.txtInfo.visible);
  EXPECT_EQ(rig.panel.txtInfo.caption, "");
  EXPECT_FALSE(rig.link.fileExists("Permissions.txt"));
  EXPECT_EQ(rig.panel.txtInfo.caption,
            "fileExists(Permissions.txt): Err 2. No such file or directory");
}

}  // namespace
