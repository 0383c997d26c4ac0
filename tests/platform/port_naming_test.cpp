#include "platform/serial/port_naming.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace {

bool link(const TempFolder& folder, const std::string& name, const std::string& target) {
  return symlink(target.c_str(), folder.file(name).c_str()) == 0;
}

TEST(PortNaming, FixedTableWithoutLinks) {
  TempFolder folder;
  const struct {
    int port;
    const char* device;
  } kRows[] = {
      {1, "/dev/ttyS0"},     // the built-in ports first
      {4, "/dev/ttyS3"},     //
      {5, "/dev/ttyUSB0"},   // then USB serial adapters
      {12, "/dev/ttyUSB7"},  //
      {13, "/dev/ttyACM0"},  // then USB modems
      {16, "/dev/ttyACM3"},  //
      {0, ""},               // below the range
      {17, ""},              // above the range
      {-3, ""},              // negative
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.port);
    EXPECT_EQ(portDevicePath(row.port, folder.path()), row.device);
  }
}

TEST(PortNaming, LinkInWorkingFolderWins) {
  TempFolder folder;
  ASSERT_TRUE(link(folder, "COM3", "/dev/null"));
  EXPECT_EQ(portDevicePath(3, folder.path()), folder.path() + "/COM3");
  // Only the port it names.
  EXPECT_EQ(portDevicePath(2, folder.path()), "/dev/ttyS1");
}

TEST(PortNaming, DanglingLinkStillWins) {
  // An unplugged adapter must not quietly become whatever the table has at that number.
  TempFolder folder;
  ASSERT_TRUE(link(folder, "COM5", folder.file("gone")));
  EXPECT_EQ(portDevicePath(5, folder.path()), folder.path() + "/COM5");
}

TEST(PortNaming, NoLinkBeyondTheRange) {
  TempFolder folder;
  ASSERT_TRUE(link(folder, "COM17", "/dev/null"));
  EXPECT_EQ(portDevicePath(17, folder.path()), "");
}

TEST(PortNaming, ParsesPortNumbers) {
  const struct {
    const char* text;
    bool ok;
    int n;
  } kRows[] = {
      {"3", true, 3},                // plain
      {" 3 ", true, 3},              // blanks around it
      {"\t7\t", true, 7},            // tabs too
      {"1", true, 1},                // lowest
      {"16", true, 16},              // highest
      {"016", true, 16},             // a leading zero
      {"0", false, 0},               // below the range
      {"17", false, 0},              // above the range
      {"abc", false, 0},             // not a number
      {"", false, 0},                // empty
      {"   ", false, 0},             // only blanks
      {"3a", false, 0},              // trailing junk
      {"3 4", false, 0},             // two numbers
      {"+3", false, 0},              // a sign
      {"-1", false, 0},              // negative
      {"99999999999999", false, 0},  // too long to fit an int
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(std::string("\"") + row.text + "\"");
    int n = -42;
    EXPECT_EQ(parsePortNumber(row.text, n), row.ok);
    EXPECT_EQ(n, row.ok ? row.n : -42);  // untouched on failure
  }
}

}  // namespace
