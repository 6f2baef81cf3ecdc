// The main window refusing to start as a second copy.
#include <gtest/gtest.h>

#include "app/MainPage.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "platform/SingleInstance.h"
#include "support/MainWindowFixture.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;
using platform::SingleInstance;

class SingleInstanceTest : public MainWindowFixture {};

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
