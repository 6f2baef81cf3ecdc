// The window as the core's host writes a plan behind the progress dialog: what reaches the adapter, and what a
// failure brings back.
#include <gtest/gtest.h>

#include <cstring>

#include "device/FlashPlans.h"
#include "device/ProtocolCodes.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "emulator/AdapterFault.h"
#include "model/FlashImage.h"
#include "model/FlashRegions.h"
#include "model/RegionBytes.h"
#include "support/MainWindowFixture.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;

class MainWindowWriteTest : public MainWindowFixture {
 protected:
  // The shown configuration block with a new host byte, as a save plan of that block alone.
  device::WritePlan ConfigPlan(std::uint8_t host) {
    state.session.image().config.host = host;
    device::WritePlan plan;
    EXPECT_TRUE(device::BuildSavePlan(model::BuildSaveJob(state.session.image(), model::kUnsavedConfig), plan));
    return plan;
  }

  std::vector<std::uint8_t> AdapterConfigBlock() const {
    return adapter.ReadFlash(model::kConfigBlockAddress, sizeof(model::ConfigBlock));
  }
};

TEST_F(MainWindowWriteTest, AWriteReachesTheAdapterAndAFailureComesBackWithItsStepsCodeAndText) {
  ASSERT_TRUE(StartOnAdapterPage());

  const device::WritePlan plan = ConfigPlan(3);
  EXPECT_TRUE(window->RunWrite(plan, core::WriteKind::kSave).done);
  EXPECT_FALSE(window->IsWriting());
  const auto written = model::BytesOf(state.session.image().config);
  EXPECT_EQ(AdapterConfigBlock(), std::vector<std::uint8_t>(written.begin(), written.end()));
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());

  const std::vector<std::uint8_t> before = AdapterConfigBlock();
  adapter.ArmFault(emulator::Fault(emulator::FaultKind::kWrongAnswerCode, device::kCmdWriteFlash));
  const core::WriteResult failed = window->RunWrite(ConfigPlan(4), core::WriteKind::kSave);
  EXPECT_FALSE(failed.done);
  EXPECT_EQ(failed.failure.code, device::kAnswerMismatch);
  EXPECT_TRUE(failed.failure.text.starts_with("WriteFlash:Verify2(87,")) << failed.failure.text;
  // Telling is the flow's: the host shows nothing of its own.
  WaitUntil([] { return false; }, 100);
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
  EXPECT_NE(AdapterConfigBlock(), before);  // erased, partly written

  EXPECT_TRUE(window->RunWrite(ConfigPlan(4), core::WriteKind::kSave).done);
  const auto again = model::BytesOf(state.session.image().config);
  EXPECT_EQ(AdapterConfigBlock(), std::vector<std::uint8_t>(again.begin(), again.end()));
}

}  // namespace
}  // namespace torvane::testing
