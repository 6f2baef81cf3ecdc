// An adapter whose hidraw node this user may not open: the player is told how to get access.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <memory>

#include "WorkerHarness.h"
#include "device/AdapterTexts.h"
#include "device/DeviceMessages.h"
#include "device/DeviceWorker.h"
#include "device/HidTransport.h"

namespace torvane::device {
namespace {

constexpr std::string_view kConnectionHint = "Please ensure your Torvane is firmly connected to PC.";

// The "USB Error" text the main window shows after the worker failed to open the adapter with `open_errno`.
std::string UsbErrorAfterOpenFailing(int open_errno) {
  auto transport = std::make_unique<HidTransport>([open_errno](const char*) -> hid_device_* {
    errno = open_errno;
    return nullptr;
  });
  DeviceContext context;
  context.set_device_path("/dev/hidraw7");
  auto collector = std::make_shared<testing::Collector>();
  DeviceWorker worker(std::move(transport), context, collector);
  EXPECT_EQ(worker.Start(), 0);
  worker.PostRead(0, 0, collector);
  EXPECT_TRUE(collector->WaitFor(MSG_DEVICE_FAILED).has_value());
  const std::vector<DeviceFailure> failures = collector->failures();
  EXPECT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures.empty() ? std::string() : failures.front().text, context.last_error());
  return failures.empty() ? std::string() : UsbErrorText(failures.front());
}

TEST(HidAccessTest, APermissionRefusalExplainsTheRuleBesideTheWorkersText) {
  for (const int refusal : {EACCES, EPERM}) {
    const std::string text = UsbErrorAfterOpenFailing(refusal);
    EXPECT_NE(text.find(kNoAccessText), std::string::npos) << text;
    EXPECT_NE(text.find("Read Config: OpenDevice("), std::string::npos) << text;
    EXPECT_EQ(text.find(kConnectionHint), std::string::npos) << text;
  }
  for (const int other : {ENOENT, EBUSY, ENODEV}) {
    const std::string text = UsbErrorAfterOpenFailing(other);
    EXPECT_EQ(text, std::string(kConnectionHint) + "\n\nRead Config: OpenDevice(" + std::to_string(other) + ")");
  }
}

// Root opens any node, so as root the open is tried by a child that has become an ordinary user.
TEST(HidAccessTest, AnUnreadableNodeIsRefusedForPermission) {
  const std::filesystem::path node =
      std::filesystem::temp_directory_path() / ("torvane-hidraw-" + std::to_string(getpid()));
  std::ofstream(node).put('\0');
  std::filesystem::permissions(node, std::filesystem::perms::none);
  const auto open_node = [&node] {
    HidTransport transport;
    return transport.Open(node.string());
  };
  int result = 0;
  if (geteuid() != 0) {
    result = open_node();
  } else {
    constexpr uid_t kNobody = 65534;
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
      if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(2);
      _exit(open_node() == kAccessDenied ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_NE(WEXITSTATUS(status), 2) << "could not become an ordinary user";
    result = WEXITSTATUS(status) == 0 ? kAccessDenied : 0;
  }
  std::filesystem::remove(node);
  EXPECT_EQ(result, kAccessDenied);
}

}  // namespace
}  // namespace torvane::device
