#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "ReportBytes.h"
#include "TransportExchange.h"
#include "emulator/VirtualAdapter.h"
#include "emulator/VirtualTransport.h"

namespace torvane::emulator {
namespace {

using namespace reports;  // NOLINT: the report helpers
using std::chrono::milliseconds;

constexpr milliseconds kShort{60};

class FaultInjectionTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0); }

  static device::Report ReadRequest(std::uint32_t address = model::kBootBlockAddress, std::uint32_t length = 8) {
    return Request(device::kCmdReadFlash, address, length);
  }
  static device::Report WriteRequest(std::uint32_t address, std::initializer_list<std::uint8_t> bytes) {
    return Request(device::kCmdWriteFlash, address, static_cast<std::uint32_t>(bytes.size()), bytes);
  }

  VirtualAdapter adapter_;
  VirtualTransport transport_{adapter_};
};

TEST_F(FaultInjectionTest, NoAnswerTimesOutAfterCarryingTheRequestOut) {
  adapter_.ArmFault({FaultKind::kNoAnswer, device::kCmdWriteFlash});
  const Exchange lost = Send(transport_, WriteRequest(model::kMacroBlockAddress, {0x12, 0x34}), kShort);
  EXPECT_EQ(lost.write, 0);
  EXPECT_EQ(lost.read, device::kTimeout);
  EXPECT_EQ(adapter_.ReadFlash(model::kMacroBlockAddress, 2), (std::vector<std::uint8_t>{0x12, 0x34}));
  EXPECT_EQ(Send(transport_, ReadRequest()).read, 0);  // fired once
}

TEST_F(FaultInjectionTest, FiresOnTheNthRequestOfItsCommandOnly) {
  adapter_.ArmFault({FaultKind::kWrongAddress, device::kCmdReadFlash, 3});
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Address(Send(transport_, ReadRequest()).answer), model::kBootBlockAddress);
    Send(transport_, Request(device::kCmdGetKeyCode, 0, 1));  // another command: not counted
  }
  EXPECT_EQ(Address(Send(transport_, ReadRequest()).answer), model::kBootBlockAddress + 52);
  EXPECT_EQ(Address(Send(transport_, ReadRequest()).answer), model::kBootBlockAddress);
  EXPECT_EQ(adapter_.armed_faults(), 0u);
}

TEST_F(FaultInjectionTest, FaultWithoutCommandCountsEveryRequest) {
  adapter_.ArmFault({FaultKind::kWrongAnswerCode, std::nullopt, 2});
  EXPECT_EQ(Code(Send(transport_, Request(device::kCmdGetKeyCode, 0, 1)).answer), device::kAnswerKeyCode);
  EXPECT_EQ(Code(Send(transport_, Request(device::kCmdGetSysRunStatus, 0, 4)).answer), device::kAnswerRunStatus + 1);
}

TEST_F(FaultInjectionTest, WrongAnswerCodeOnAnErase) {
  adapter_.ArmFault({FaultKind::kWrongAnswerCode, device::kCmdEraseFlash});
  const Exchange erase = Send(transport_, Request(device::kCmdEraseFlash, 0, 1, {3}));
  EXPECT_EQ(erase.read, 0);
  EXPECT_NE(Code(erase.answer), device::kAnswerErase);
}

TEST_F(FaultInjectionTest, CorruptEchoChangesTheAnswerButNotTheFlash) {
  adapter_.ArmFault({FaultKind::kCorruptEcho, device::kCmdWriteFlash});
  const Exchange write = Send(transport_, WriteRequest(model::kConfigBlockAddress, {1, 2, 3, 4}));
  EXPECT_EQ(write.read, 0);
  EXPECT_EQ(Code(write.answer), device::kAnswerFlash);
  EXPECT_EQ(Data(write.answer, 4), (std::vector<std::uint8_t>{1, 2, 3, 0xFB}));
  EXPECT_EQ(adapter_.ReadFlash(model::kConfigBlockAddress, 4), (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

TEST_F(FaultInjectionTest, StuckCellEchoesWhatWasSentButKeepsItsOldByte) {
  adapter_.ArmFault({FaultKind::kStuckCell, device::kCmdWriteFlash});
  const Exchange write = Send(transport_, WriteRequest(model::kConfigBlockAddress, {1, 2, 3}));
  EXPECT_EQ(Data(write.answer, 3), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(adapter_.ReadFlash(model::kConfigBlockAddress, 3), (std::vector<std::uint8_t>{0xFF, 2, 3}));
}

TEST_F(FaultInjectionTest, EraseNeverAcknowledgedWaitsForAnEraseAndErases) {
  const std::uint8_t zero = 0;
  adapter_.LoadFlash(model::kResponseBlockAddress, {&zero, 1});
  adapter_.ArmFault({FaultKind::kEraseNeverAcknowledged});  // no command given
  EXPECT_EQ(Send(transport_, ReadRequest()).read, 0);
  const Exchange erase = Send(transport_, Request(device::kCmdEraseFlash, 0, 1, {4}), kShort);
  EXPECT_EQ(erase.read, device::kTimeout);
  EXPECT_EQ(adapter_.ReadFlash(model::kResponseBlockAddress, 1), std::vector<std::uint8_t>{0xFF});
}

TEST_F(FaultInjectionTest, WrongReportIdAndShortReportAreTransportErrors) {
  adapter_.ArmFault({FaultKind::kWrongReportId, device::kCmdGetSysRunStatus});
  adapter_.ArmFault({FaultKind::kShortReport, device::kCmdGetSysRunStatus, 2});
  EXPECT_EQ(Send(transport_, Request(device::kCmdGetSysRunStatus, 0, 4)).read, device::kWrongReportId);
  const Exchange shortened = Send(transport_, Request(device::kCmdGetSysRunStatus, 0, 4));
  EXPECT_EQ(shortened.read, device::kWrongLength);
  EXPECT_EQ(Code(shortened.answer), device::kAnswerRunStatus);  // what did arrive is there
  EXPECT_EQ(Send(transport_, Request(device::kCmdGetSysRunStatus, 0, 4)).read, 0);
}

TEST_F(FaultInjectionTest, FaultsOnOneRequestCombine) {
  adapter_.ArmFault({FaultKind::kWrongAddress, device::kCmdWriteFlash});
  adapter_.ArmFault({FaultKind::kCorruptEcho, device::kCmdWriteFlash});
  const Exchange write = Send(transport_, WriteRequest(model::kBootBlockAddress, {0x00}));
  EXPECT_EQ(Address(write.answer), model::kBootBlockAddress + 52);
  EXPECT_EQ(Data(write.answer, 1), std::vector<std::uint8_t>{0xFF});
}

TEST_F(FaultInjectionTest, ClearedFaultsNeverFire) {
  adapter_.ArmFault({FaultKind::kNoAnswer});
  adapter_.ArmFault({FaultKind::kUnplug, device::kCmdReadFlash, 1});
  adapter_.ClearFaults();
  EXPECT_EQ(Send(transport_, ReadRequest()).read, 0);
  EXPECT_TRUE(adapter_.IsPlugged());
}

TEST_F(FaultInjectionTest, UnplugInTheMiddleOfAWriteLeavesTheAdapterAwayUntilReplugged) {
  adapter_.ArmFault({FaultKind::kUnplug, device::kCmdWriteFlash, 2});
  EXPECT_EQ(Send(transport_, WriteRequest(model::kMacroBlockAddress, {0xA1})).read, 0);
  const Exchange cut = Send(transport_, WriteRequest(model::kMacroBlockAddress + 1, {0xA2}));
  EXPECT_EQ(cut.write, 0);  // the request left; its answer never comes
  EXPECT_EQ(cut.read, ENODEV);
  EXPECT_EQ(adapter_.ReadFlash(model::kMacroBlockAddress, 2), (std::vector<std::uint8_t>{0xA1, 0xFF}));

  EXPECT_FALSE(adapter_.IsPlugged());
  EXPECT_TRUE(transport_.ListAdapters().empty());
  EXPECT_EQ(transport_.WriteReport(ReadRequest(), kShort), ENODEV);
  EXPECT_EQ(transport_.Open(kVirtualAdapterPath), ENODEV);

  adapter_.Plug();
  EXPECT_EQ(transport_.ListAdapters(), std::vector<std::string>{kVirtualAdapterPath});
  ASSERT_EQ(transport_.Open(kVirtualAdapterPath), 0);
  EXPECT_EQ(Send(transport_, ReadRequest(model::kMacroBlockAddress, 2)).answer[13], 0xA1);
}

}  // namespace
}  // namespace torvane::emulator
