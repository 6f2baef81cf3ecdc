// The single-instance guard across processes, and the main window refusing to start as a second copy.
#include <QProcess>

#include <gtest/gtest.h>

#include "app/MainPage.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "gui/support/MainWindowFixture.h"
#include "platform/SingleInstance.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;
using platform::SingleInstance;

// Starts the helper that takes the lock in its own process; true once it says it holds it.
bool StartHolder(QProcess& holder, const std::string& name) {
  holder.start(qEnvironmentVariable("TORVANE_LOCK_HOLDER"), {QString::fromStdString(name)});
  if (!holder.waitForStarted(5000) || !holder.waitForReadyRead(10000)) return false;
  return holder.readLine().trimmed() == "held";
}

class SingleInstanceTest : public MainWindowFixture {};

TEST_F(SingleInstanceTest, AnotherProcessHoldingTheLockRefusesUsUntilItEnds) {
  QProcess holder;
  ASSERT_TRUE(StartHolder(holder, lock_name));
  SingleInstance::Outcome outcome{};
  EXPECT_EQ(SingleInstance::TryAcquire(lock_name, &outcome), nullptr);
  EXPECT_EQ(outcome, SingleInstance::Outcome::kHeldElsewhere);

  // Released when its holder dies, even without a clean exit.
  holder.kill();
  ASSERT_TRUE(holder.waitForFinished(5000));
  auto lock = SingleInstance::TryAcquire(lock_name, &outcome);
  EXPECT_NE(lock, nullptr);
  EXPECT_EQ(outcome, SingleInstance::Outcome::kAcquired);

  // And now the other process is the one refused.
  QProcess second;
  second.start(qEnvironmentVariable("TORVANE_LOCK_HOLDER"), {QString::fromStdString(lock_name)});
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_EQ(second.readAllStandardOutput().trimmed(), "refused");
  EXPECT_EQ(second.exitCode(), 1);
}

TEST_F(SingleInstanceTest, LockNamesBecomeSafeFileNames) {
  const std::string path = SingleInstance::LockFilePath(" Torvane Mutex for Only Run");
  EXPECT_TRUE(path.ends_with("/ Torvane Mutex for Only Run.lock")) << path;
  const std::string hostile = SingleInstance::LockFilePath("../../etc/x");
  EXPECT_TRUE(hostile.ends_with("/.._.._etc_x.lock")) << hostile;
}

TEST_F(SingleInstanceTest, SecondWindowWarnsAndStartsNothing) {
  auto first = SingleInstance::TryAcquire(lock_name);
  ASSERT_NE(first, nullptr);
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  StartWindow(true);
  EXPECT_TRUE(window->IsRefusedSecondInstance());
  ASSERT_EQ(MessageBoxAnswers::Shown().size(), 1);
  EXPECT_EQ(MessageBoxAnswers::Shown().front().title, QStringLiteral("Warning"));
  EXPECT_EQ(MessageBoxAnswers::Shown().front().text, QStringLiteral("\nManager is already running!"));
  // No device activity: the adapter plugged in is neither remembered nor read.
  EXPECT_FALSE(window->IsSettling());
  EXPECT_EQ(window->presence().state(), device::PresenceState::kAbsent);
  EXPECT_FALSE(WaitUntil([this] { return adapter.TotalRequests() > 0; }, 1500));
  // The first holder is unaffected.
  SingleInstance::Outcome outcome{};
  EXPECT_EQ(SingleInstance::TryAcquire(lock_name, &outcome), nullptr);
  EXPECT_EQ(outcome, SingleInstance::Outcome::kHeldElsewhere);
}

}  // namespace
}  // namespace torvane::testing
