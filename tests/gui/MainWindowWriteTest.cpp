// Writing a plan behind the progress dialog: what reaches the adapter, and what a failure leaves.
#include <gtest/gtest.h>

#include <cstring>

#include "device/FlashPlans.h"
#include "device/ProtocolCodes.h"
#include "dialogs/CProgressDlg.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "emulator/AdapterFault.h"
#include "gui/support/MainWindowFixture.h"
#include "model/FlashImage.h"
#include "model/FlashRegions.h"
#include "model/RegionBytes.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;

class MainWindowWriteTest : public MainWindowFixture {
 protected:
  // The shown configuration block with a new host byte, as a save plan of that block alone.
  device::WritePlan ConfigPlan(std::uint8_t host) {
    state.image->config.host = host;
    device::WritePlan plan;
    EXPECT_TRUE(device::BuildSavePlan(model::BuildSaveJob(*state.image, model::kUnsavedConfig), plan));
    return plan;
  }

  std::vector<std::uint8_t> AdapterConfigBlock() const {
    return adapter.ReadFlash(model::kConfigBlockAddress, sizeof(model::ConfigBlock));
  }
};

TEST_F(MainWindowWriteTest, AWriteReachesTheAdapterAndAFailureIsReportedWithTheWorkersText) {
  ASSERT_TRUE(StartOnAdapterPage());

  const device::WritePlan plan = ConfigPlan(3);
  EXPECT_TRUE(window->WritePlan(plan, dialogs::kProgressSave));
  EXPECT_FALSE(window->IsWriting());
  const auto written = model::BytesOf(state.image->config);
  EXPECT_EQ(AdapterConfigBlock(), std::vector<std::uint8_t>(written.begin(), written.end()));
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());

  const std::vector<std::uint8_t> before = AdapterConfigBlock();
  adapter.ArmFault(emulator::Fault(emulator::FaultKind::kWrongAnswerCode, device::kCmdWriteFlash));
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  EXPECT_FALSE(window->WritePlan(ConfigPlan(4), dialogs::kProgressSave));
  // The failure reaches the main window as MSG_DEVICE_FAILED: "USB Error" with the failing step's text.
  ASSERT_TRUE(WaitUntil([] { return !MessageBoxAnswers::Shown().isEmpty(); }));
  EXPECT_EQ(MessageBoxAnswers::Shown().front().title, QStringLiteral("USB Error"));
  EXPECT_TRUE(MessageBoxAnswers::Shown().front().text.contains(QStringLiteral("WriteFlash")))
      << MessageBoxAnswers::Shown().front().text.toStdString();
  // The image keeps the edit, so the same save can be tried again.
  EXPECT_EQ(state.image->config.host, 4);
  EXPECT_NE(AdapterConfigBlock(), before);  // erased, partly written

  EXPECT_TRUE(window->WritePlan(ConfigPlan(4), dialogs::kProgressSave));
  const auto again = model::BytesOf(state.image->config);
  EXPECT_EQ(AdapterConfigBlock(), std::vector<std::uint8_t>(again.begin(), again.end()));
}

}  // namespace
}  // namespace torvane::testing
