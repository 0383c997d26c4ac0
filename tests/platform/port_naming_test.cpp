#include "platform/serial/port_naming.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "tests/support/temp_folder.h"

namespace {

TEST(PortNaming, LinkInTheWorkingFolderElseTheFixedTable) {
  TempFolder folder;
  // An unplugged adapter (COM14) must not quietly become whatever the table has there.
  for (const char* name : {"COM2", "COM14", "COM17"}) {
    std::string target = name == std::string("COM14") ? folder.file("gone") : "/dev/null";
    ASSERT_EQ(symlink(target.c_str(), folder.file(name).c_str()), 0);
  }
  const struct {
    int port;
    const char* device;  // "COMn": the link in the working folder
  } kRows[] = {
      {1, "/dev/ttyS0"},     // the built-in ports first
      {2, "COM2"},           // a link wins
      {4, "/dev/ttyS3"},     //
      {5, "/dev/ttyUSB0"},   // then USB serial adapters
      {12, "/dev/ttyUSB7"},  //
      {13, "/dev/ttyACM0"},  // then USB modems
      {14, "COM14"},         // a dangling one too
      {16, "/dev/ttyACM3"},  //
      {0, ""},               // below the range
      {17, ""},              // above it, link or not
      {-3, ""},              //
  };
  for (const auto& row : kRows) {
    std::string device = row.device;
    if (device.compare(0, 3, "COM") == 0) device = folder.file(device);
    EXPECT_EQ(portDevicePath(row.port, folder.path()), device) << row.port;
  }
  // A running program that found a port through its link keeps to it when the link goes.
  PortNames names(folder.path());
  EXPECT_EQ(names.devicePath(2), folder.file("COM2"));
  ASSERT_EQ(unlink(folder.file("COM2").c_str()), 0);
  EXPECT_EQ(portDevicePath(2, folder.path()), "/dev/ttyS1");
  EXPECT_EQ(names.devicePath(2), folder.file("COM2"));  // missing, never /dev/ttyS1 instead
}

TEST(PortNaming, ParsesPortNumbers) {
  const struct {
    const char* text;
    int n;  // 0: refused
  } kRows[] = {
      // Blanks around it, a leading zero; then out of range, not a number, trailing junk, two
      // numbers, a sign, and too long to fit an int.
      {" 3 ", 3}, {"\t7\t", 7}, {"1", 1},  {"016", 16}, {"0", 0},  {"17", 0}, {"abc", 0},
      {"", 0},    {"  ", 0},    {"3a", 0}, {"3 4", 0},  {"+3", 0}, {"-1", 0}, {"99999999999999", 0},
  };
  for (const auto& row : kRows) {
    int n = -42;
    EXPECT_EQ(parsePortNumber(row.text, n), row.n != 0) << '"' << row.text << '"';
    EXPECT_EQ(n, row.n != 0 ? row.n : -42) << '"' << row.text << '"';  // untouched on failure
  }
}

}  // namespace
