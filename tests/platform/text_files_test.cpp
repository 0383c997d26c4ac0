#include "platform/text_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/runtime_error.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(TextFiles, ReadsCrLfAndLfLines) {
  struct Case {
    const char* bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},      // written here
      {"a\nb\n", {"a", "b"}},          // written on another system
      {"a\r\n\r\nc", {"a", "", "c"}},  // empty middle line, no final line end
      {"", {}},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    folder.write("f.txt", c.bytes);
    EXPECT_EQ(TextFiles(folder.path()).readLines("f.txt"), c.lines) << c.bytes;
  }
}

TEST(TextFiles, WritesCrLfAndReplacesTheOldFile) {
  TempFolder folder;
  folder.write("f.txt", "old\r\n");
  TextFiles(folder.path()).writeLines("f.txt", {"one", "", "three"});
  EXPECT_EQ(folder.read("f.txt"), "one\r\n\r\nthree\r\n");
  EXPECT_EQ(folder.list().size(), 1u);  // no temporary file left
}

TEST(TextFiles, ReadOnlyFileIsRefusedAndKept) {
  TempFolder folder;
  folder.write("f.txt", "keep\r\n");
  chmod(folder.file("f.txt").c_str(), 0444);
  try {
    TextFiles(folder.path()).writeLines("f.txt", {"new"});
    FAIL() << "write succeeded";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), 13);  // EACCES
  }
  EXPECT_EQ(folder.read("f.txt"), "keep\r\n");
  EXPECT_EQ(folder.list().size(), 1u);
}

TEST(TextFiles, MissingFileOrAFolderReportsErrno) {
  TempFolder folder;
  ASSERT_EQ(mkdir(folder.file("dir.txt").c_str(), 0755), 0);
  const struct {
    const char* name;
    const char* text;
  } kRows[] = {
      {"none.txt", "p: Err 2. No such file or directory"},
      {"dir.txt", "p: Err 21. Is a directory"},  // opens for reading, yet is no file
  };
  for (const auto& row : kRows) {
    try {
      TextFiles(folder.path()).probe(row.name);
      FAIL() << row.name;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(errorText("p", e), row.text);
    }
  }
}

TEST(TextFiles, WriteIntoAMissingFolderFailsWithoutLeavingAnything) {
  TempFolder folder;
  EXPECT_THROW(TextFiles(folder.file("nope")).writeLines("f.txt", {"x"}), RuntimeError);
  EXPECT_TRUE(folder.list().empty());
}

}  // namespace
