#include "platform/text_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/runtime_error.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(TextFiles, ReadsCrLfAndLfLines) {
  const struct {
    const char* bytes;
    std::vector<std::string> lines;
  } kRows[] = {
      {"a\r\nb\r\n", {"a", "b"}},      // written here
      {"a\nb\n", {"a", "b"}},          // written on another system
      {"a\r\n\r\nc", {"a", "", "c"}},  // empty middle line, no final line end
      {"", {}},
  };
  for (const auto& row : kRows) {
    TempFolder folder;
    folder.write("f.txt", row.bytes);
    EXPECT_EQ(TextFiles(folder.path()).readLines("f.txt"), row.lines) << row.bytes;
  }
}

TEST(TextFiles, WritesCrLfOverTheOldFileAndLeavesNothingElse) {
  TempFolder folder;
  folder.write("f.txt", "old\r\n");
  TextFiles(folder.path()).writeLines("f.txt", {"one", "", "three"});
  EXPECT_EQ(folder.read("f.txt"), "one\r\n\r\nthree\r\n");
  EXPECT_THROW(TextFiles(folder.file("nope")).writeLines("f.txt", {"x"}), RuntimeError);
  EXPECT_EQ(folder.list(), std::vector<std::string>{"f.txt"});
}

TEST(TextFiles, AFolderIsNoFile) {
  TempFolder folder;
  ASSERT_EQ(mkdir(folder.file("dir.txt").c_str(), 0755), 0);
  try {
    TextFiles(folder.path()).probe("dir.txt");  // it opens for reading all the same
    ADD_FAILURE();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(errorText("p", e), "p: Err 21. Is a directory");
  }
}

}  // namespace
