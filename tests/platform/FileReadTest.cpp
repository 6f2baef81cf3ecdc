// Whole small files: opened before their size is looked at, so an unreadable file says why whatever its size.
#include "platform/FileRead.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "support/TempFolder.h"

namespace torvane::platform {
namespace {

TEST(FileReadTest, AnUnreadableFileIsRefusedForItsPermissionNotItsSize) {
  const testing::TempFolder folder;
  const std::string path = (folder.path() / "locked.vqc").string();
  std::ofstream(path) << "three";
  std::filesystem::permissions(path, std::filesystem::perms::none);
  std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
  // Root reads any file, so as root the read is made by a child that has become an ordinary user.
  const auto read = [&path] {
    const FileRead file = ReadFileOfSize(path, 864);
    return file.outcome == FileRead::Outcome::kCannotOpen && file.system_error == EACCES;
  };
  if (::geteuid() != 0) {
    EXPECT_TRUE(read());
    return;
  }
  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
    ::_exit(read() ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "2: could not become an ordinary user";
}

}  // namespace
}  // namespace torvane::platform
