// What each system's read makes of the files a player may point it at.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/FileRead.h"
#include "platform/Utf8Path.h"
#include "support/TempFolder.h"

namespace torvane::platform {
namespace {

namespace fs = std::filesystem;
using Outcome = FileRead::Outcome;

constexpr int kNotFound = 2;  // ENOENT and ERROR_FILE_NOT_FOUND alike

TEST(FileReadKindsTest, ReadsOnlyAWholeRegularFileThatFits) {
  const testing::TempFolder folder;
  // A name outside the ANSI code page: the read takes UTF-8 and must reach the same file.
  const std::string name = Utf8FromPath(folder.path()) + "/\xCE\xA9mega.vqc";
  std::ofstream(PathFromUtf8(name), std::ios::binary) << std::string("\x01\x00\xFF", 3);
  fs::create_directory(folder.path() / "folder.vqc");

  const FileRead exact = ReadFileOfSize(name, 3);
  EXPECT_EQ(exact.outcome, Outcome::kRead);
  EXPECT_EQ(exact.bytes, (std::vector<std::uint8_t>{0x01, 0x00, 0xFF}));
  EXPECT_EQ(ReadFileOfSize(name, 4).outcome, Outcome::kWrongSize);
  EXPECT_TRUE(ReadFileOfSize(name, 4).bytes.empty());
  EXPECT_EQ(ReadFileBelow(name, 4).outcome, Outcome::kRead);
  EXPECT_EQ(ReadFileBelow(name, 3).outcome, Outcome::kWrongSize);

  const FileRead missing = ReadFileOfSize((folder.path() / "none.vqc").string(), 3);
  EXPECT_EQ(missing.outcome, Outcome::kCannotOpen);
  EXPECT_EQ(missing.system_error, kNotFound);

  // A folder is never read: refused by its kind, or not opened at all where the system will not open one as a file.
  const FileRead folder_read = ReadFileBelow((folder.path() / "folder.vqc").string(), 1 << 20);
  EXPECT_NE(folder_read.outcome, Outcome::kRead);
  EXPECT_TRUE(folder_read.bytes.empty());
}

}  // namespace
}  // namespace torvane::platform
