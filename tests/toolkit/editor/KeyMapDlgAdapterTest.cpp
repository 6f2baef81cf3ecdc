// The capture dialog against the device worker and the in-process virtual adapter.
#include "device/DeviceContext.h"
#include "device/DeviceWorker.h"
#include "device/WorkerHarness.h"
#include "editor/CKeyMapDlg.h"
#include "emulator/VirtualAdapter.h"
#include "emulator/VirtualTransport.h"
#include "support/TestSkin.h"
#include "toolkit/dialogs/DialogTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace torvane::editor {
namespace {

TEST(KeyMapDlgAdapterTest, AKeyOnTheAdapterIsCapturedAndUnpluggingEndsTheWait) {
  testing::InstallTestSkin();
  struct Case {
    const char* what;
    std::function<void(emulator::VirtualAdapter&)> act;
    int result;
    std::uint8_t key;
  };
  const Case cases[] = {
      {"a controller button", [](emulator::VirtualAdapter& a) { a.PressKey(200); }, CKeyMapDlg::kCaptured, 200},
      {"the adapter unplugged", [](emulator::VirtualAdapter& a) { a.Unplug(); }, CKeyMapDlg::kDeviceFailed, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    emulator::VirtualAdapter adapter;
    adapter.SetWorkingMode(CKeyMapDlg::kAdapterKeyMode);
    device::DeviceContext context;
    context.set_device_path(emulator::kVirtualAdapterPath);
    // The worker looks at the working mode its last read found, so the read must be over before the unplug.
    auto read = std::make_shared<device::testing::Collector>();
    device::DeviceWorker worker(std::make_unique<emulator::VirtualTransport>(adapter), context, read);
    ASSERT_EQ(worker.Start(), 0);
    worker.PostRead(0, 0, read);
    ASSERT_TRUE(read->WaitUntil([](const auto& results) { return !results.empty(); }));

    CKeyMapDlg dialog(
        nullptr, [&](int request, std::weak_ptr<device::ResultTarget> target) { worker.Post(request, 0, target); },
        CKeyMapDlg::kAdapterKeyMode);
    dialog.SetShowTime(0);
    ASSERT_TRUE(dialog.Create(nullptr, "Key mapping"));
    testing::WhenModal([&](toolkit::WindowImplBase&) { c.act(adapter); });
    EXPECT_EQ(dialog.ShowModal(), c.result);
    EXPECT_EQ(dialog.GetCapturedKey(), c.key);
  }
}

}  // namespace
}  // namespace torvane::editor
