// The single-instance lock across processes, and where its file may live.
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/SingleInstance.h"
#include "platform/linux/LockFileInstance.h"
#include "platform/linux/PrivateFolder.h"

namespace torvane::platform {
namespace {

namespace fs = std::filesystem;
using Outcome = SingleInstance::Outcome;

std::string UniqueLockName() {
  static int counter = 0;
  return "platform-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

// Starts the helper that takes the lock in its own process; true once it says it holds it.
bool StartHolder(QProcess& holder, const std::string& name) {
  holder.start(qEnvironmentVariable("TORVANE_LOCK_HOLDER"), {QString::fromStdString(name)});
  if (!holder.waitForStarted(5000) || !holder.waitForReadyRead(10000)) return false;
  return holder.readLine().trimmed() == "held";
}

TEST(SingleInstanceTest, AnotherProcessHoldingTheLockRefusesUsUntilItEnds) {
  const std::string name = UniqueLockName();
  QProcess holder;
  ASSERT_TRUE(StartHolder(holder, name));
  Outcome outcome{};
  EXPECT_EQ(SingleInstance::TryAcquire(name, &outcome), nullptr);
  EXPECT_EQ(outcome, Outcome::kHeldElsewhere);

  // Released when its holder dies, even without a clean exit.
  holder.kill();
  ASSERT_TRUE(holder.waitForFinished(5000));
  auto lock = SingleInstance::TryAcquire(name, &outcome);
  EXPECT_NE(lock, nullptr);
  EXPECT_EQ(outcome, Outcome::kAcquired);

  // And now the other process is the one refused.
  QProcess second;
  second.start(qEnvironmentVariable("TORVANE_LOCK_HOLDER"), {QString::fromStdString(name)});
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_EQ(second.readAllStandardOutput().trimmed(), "refused");
  EXPECT_EQ(second.exitCode(), 1);
}

TEST(SingleInstanceTest, LockNamesBecomeSafeFileNames) {
  EXPECT_EQ(LockFileInstance::FileName(" Torvane Mutex for Only Run"), " Torvane Mutex for Only Run.lock");
  EXPECT_EQ(LockFileInstance::FileName("../../etc/x"), ".._.._etc_x.lock");
  EXPECT_EQ(LockFileInstance::FileName(std::string_view("a\0b", 3)), "a_b.lock");
}

// A scratch folder with "tmp" inside it standing in for /tmp.
class PrivateFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "torvane-platform-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    Folder("tmp", fs::perms::all);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  std::string Folder(const std::string& name, fs::perms perms) const {
    const fs::path path = root_ / name;
    fs::create_directories(path);
    fs::permissions(path, perms);
    return path.string();
  }
  std::string Tmp() const { return (root_ / "tmp").string(); }
  std::string Fallback() const { return Tmp() + "/torvane-" + std::to_string(::geteuid()); }
  std::string Path(const std::string& name) const { return (root_ / name).string(); }

  fs::path root_;
};

TEST_F(PrivateFolderTest, TheRuntimeFolderMustBeTheUsersOwnRealFolder) {
  const std::string own = Folder("own", fs::perms::owner_all);
  const std::string readable =
      Folder("readable", fs::perms::owner_all | fs::perms::group_read | fs::perms::others_exec);
  const std::string open = Folder("open", fs::perms::all);
  const std::string group = Folder("group", fs::perms::owner_all | fs::perms::group_write | fs::perms::group_exec);
  fs::create_directory_symlink(own, Path("link"));
  std::ofstream(Path("file")) << "not a folder";

  const struct {
    std::string xdg;
    std::string expected;
  } cases[] = {
      {own, own},
      {readable, readable},
      {open, Fallback()},
      {group, Fallback()},
      {Path("link"), Fallback()},
      {Path("file"), Fallback()},
      {Path("missing"), Fallback()},
      {"own", Fallback()},
      {"", Fallback()},
  };
  for (const auto& c : cases) {
    const auto folder = PrivateFolder::Runtime(c.xdg, Tmp());
    ASSERT_TRUE(folder) << c.xdg;
    EXPECT_EQ(folder->path, c.expected) << c.xdg;
  }
  // The fallback was made for this user alone.
  EXPECT_EQ(fs::status(Fallback()).permissions() & (fs::perms::group_all | fs::perms::others_all), fs::perms::none);

  if (::geteuid() == 0) {
    // Only root can give a folder away; another user's folder is refused however it is set.
    ASSERT_EQ(::chown(own.c_str(), 65534, 65534), 0);
    EXPECT_FALSE(PrivateFolder::Open(own));
  }
}

TEST_F(PrivateFolderTest, AnUnsafeFallbackLeavesNoFolderAndTheLockUnavailable) {
  const std::string open = Folder("open", fs::perms::all);
  const std::string own = Folder("own", fs::perms::owner_all);
  const struct {
    const char* what;
    void (*plant)(const std::string& fallback, const std::string& own);
  } cases[] = {
      {"writable by others",
       [](const std::string& fallback, const std::string&) {
         fs::create_directory(fallback);
         fs::permissions(fallback, fs::perms::all);
       }},
      {"a symbolic link",
       [](const std::string& fallback, const std::string& target) { fs::create_directory_symlink(target, fallback); }},
      {"a file", [](const std::string& fallback, const std::string&) { std::ofstream(fallback) << "x"; }},
  };
  for (const auto& c : cases) {
    fs::remove_all(Fallback());
    c.plant(Fallback(), own);
    const auto folder = PrivateFolder::Runtime(open, Tmp());
    EXPECT_FALSE(folder) << c.what;
    Outcome outcome{};
    EXPECT_EQ(LockFileInstance::TryAcquire(folder ? &*folder : nullptr, UniqueLockName(), &outcome), nullptr);
    EXPECT_EQ(outcome, Outcome::kUnavailable) << c.what;
  }
}

TEST_F(PrivateFolderTest, ALockFileThatIsASymbolicLinkIsNotFollowed) {
  const auto folder = PrivateFolder::Open(Folder("own", fs::perms::owner_all));
  ASSERT_TRUE(folder);
  std::ofstream(Path("target")) << "keep";
  fs::create_symlink(Path("target"), Path("own/taken.lock"));
  Outcome outcome{};
  EXPECT_EQ(LockFileInstance::TryAcquire(&*folder, "taken", &outcome), nullptr);
  EXPECT_EQ(outcome, Outcome::kUnavailable);

  auto lock = LockFileInstance::TryAcquire(&*folder, "free", &outcome);
  EXPECT_NE(lock, nullptr);
  EXPECT_EQ(outcome, Outcome::kAcquired);
  EXPECT_EQ(fs::status(Path("own/free.lock")).permissions() & (fs::perms::group_all | fs::perms::others_all),
            fs::perms::none);
}

}  // namespace
}  // namespace torvane::platform
