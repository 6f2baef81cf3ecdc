// The device layer's protocol client against the virtual adapter: what a
// manager sees, failure texts included.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "device/FlashProtocol.h"
#include "device/ProtocolCodes.h"
#include "device/WritePlan.h"
#include "emulator/Scenarios.h"
#include "emulator/VirtualTransport.h"
#include "model/FlashRegions.h"

namespace torvane::emulator {
namespace {

class ProtocolRoundTripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadScenario(adapter_, "working-mode-1"));
    ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  }

  std::vector<std::uint8_t> Read(std::uint32_t address, std::size_t length) {
    std::vector<std::uint8_t> bytes(length);
    EXPECT_EQ(protocol_.ReadFlash(bytes, address), 0) << protocol_.last_error();
    return bytes;
  }

  // A plan writing `bytes` over the configuration block, erasing it first or not.
  static void ConfigPlan(device::WritePlan& plan, const std::vector<std::uint8_t>& bytes, bool erase) {
    plan.Clear();
    if (erase) plan.AddSector(3);
    plan.AddEntry(model::kConfigBlockAddress, bytes);
  }

  VirtualAdapter adapter_;
  VirtualTransport transport_{adapter_};
  device::FlashProtocol protocol_{transport_};
};

TEST_F(ProtocolRoundTripTest, ReadsEveryRegionInFiftyTwoByteChunks) {
  const AdapterState state = adapter_.state();
  EXPECT_EQ(Read(model::kInfoBlockAddress, model::kInfoBlockSize),
            state.flash.Read(model::kInfoBlockAddress, model::kInfoBlockSize));
  EXPECT_EQ(Read(model::kResponseBlockAddress, model::kResponseBlockSize),
            state.flash.Read(model::kResponseBlockAddress, model::kResponseBlockSize));
  EXPECT_EQ(adapter_.RequestCount(device::kCmdReadFlash), 2u + 1261u);

  device::RunStatus status;
  ASSERT_EQ(protocol_.GetSysRunStatus(status), 0);
  EXPECT_EQ(status.working_mode(), 1);
}

TEST_F(ProtocolRoundTripTest, ErasedThenWrittenRegionReadsBackAndUnerasedOneFailsTheEcho) {
  std::vector<std::uint8_t> block(model::kBlockSize);
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i * 7);
  device::WritePlan plan;

  ConfigPlan(plan, block, true);
  std::vector<int> progress;
  ASSERT_EQ(protocol_.EraseFlash(plan), 0);
  ASSERT_EQ(protocol_.WriteFlash(plan, [&](int percent) { progress.push_back(percent); }), 0);
  EXPECT_EQ(Read(model::kConfigBlockAddress, block.size()), block);
  EXPECT_EQ(progress.back(), 100);

  // Writing the inverse without erasing cannot set the cleared bits again.
  for (std::uint8_t& byte : block) byte = static_cast<std::uint8_t>(~byte);
  ConfigPlan(plan, block, false);
  EXPECT_EQ(protocol_.WriteFlash(plan, nullptr), device::kAnswerMismatch);
  EXPECT_EQ(protocol_.last_error(), "WriteFlash:Verify1(87,-2)");
}

TEST_F(ProtocolRoundTripTest, EachFaultEndsInItsOwnFailureText) {
  device::WritePlan plan;
  ConfigPlan(plan, std::vector<std::uint8_t>(200, 0x11), true);

  adapter_.ArmFault({FaultKind::kWrongAnswerCode, device::kCmdEraseFlash});
  EXPECT_EQ(protocol_.EraseFlash(plan), device::kEraseNotAcknowledged);
  EXPECT_EQ(protocol_.last_error(), "Erase Flash:Verify(-1)");

  adapter_.ArmFault({FaultKind::kWrongAddress, device::kCmdWriteFlash, 2});
  EXPECT_EQ(protocol_.WriteFlash(plan, nullptr), device::kAnswerMismatch);
  EXPECT_EQ(protocol_.last_error(), "WriteFlash:Verify2(87,-2)");

  adapter_.ArmFault({FaultKind::kShortReport, device::kCmdGetKeyCode});
  std::uint8_t code = 0;
  EXPECT_EQ(protocol_.GetKeyCode(code), device::kWrongLength);
  EXPECT_EQ(protocol_.last_error(), "GetKeyCode:Read(-3)");

  adapter_.ArmFault({FaultKind::kUnplug, device::kCmdReadFlash, 3});
  std::vector<std::uint8_t> boot(model::kBlockSize);
  EXPECT_EQ(protocol_.ReadFlash(boot, model::kBootBlockAddress), ENODEV);
  EXPECT_EQ(protocol_.last_error(), "ReadFlash:Read(86," + std::to_string(ENODEV) + ")");
}

}  // namespace
}  // namespace torvane::emulator
