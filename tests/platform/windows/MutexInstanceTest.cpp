// The single-instance guard on Windows: the named mutex, held once at a time.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/SingleInstance.h"

namespace torvane::platform {
namespace {

using Outcome = SingleInstance::Outcome;

std::string UniqueName(const char* what) {
  return std::string(" Torvane test mutex ") + what + " " + std::to_string(::GetCurrentProcessId());
}

TEST(MutexInstanceTest, HeldTwiceTheSecondIsRefusedUntilTheFirstLetsGo) {
  const std::string name = UniqueName("twice");
  Outcome first{};
  auto holder = SingleInstance::TryAcquire(name, &first);
  ASSERT_EQ(first, Outcome::kAcquired);
  ASSERT_NE(holder, nullptr);

  Outcome second{};
  EXPECT_EQ(SingleInstance::TryAcquire(name, &second), nullptr);
  EXPECT_EQ(second, Outcome::kHeldElsewhere);

  holder.reset();
  Outcome again{};
  EXPECT_NE(SingleInstance::TryAcquire(name, &again), nullptr);
  EXPECT_EQ(again, Outcome::kAcquired);
}

TEST(MutexInstanceTest, TheNameIsTheMutexsOwnLeadingBlankIncluded) {
  const std::string name = UniqueName("blank");
  auto holder = SingleInstance::TryAcquire(name);
  ASSERT_NE(holder, nullptr);
  // Another program finds it under exactly that name, and not without the blank.
  const std::wstring wide(name.begin(), name.end());
  const HANDLE same = ::OpenMutexW(SYNCHRONIZE, FALSE, wide.c_str());
  EXPECT_NE(same, nullptr);
  if (same != nullptr) ::CloseHandle(same);
  EXPECT_EQ(::OpenMutexW(SYNCHRONIZE, FALSE, wide.substr(1).c_str()), nullptr);
}

}  // namespace
}  // namespace torvane::platform
