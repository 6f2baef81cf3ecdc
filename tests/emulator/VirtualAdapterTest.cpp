#include "emulator/VirtualAdapter.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "../device/WireReports.h"
#include "ReportBytes.h"

namespace torvane::emulator {
namespace {

using namespace reports;  // NOLINT: the report helpers
using device::Report;

class VirtualAdapterTest : public ::testing::Test {
 protected:
  HandleResult Send(const Report& request) { return adapter_.Handle(request, adapter_.generation()); }

  // The answer to a request that must be answered.
  Report Answer(const Report& request) {
    const HandleResult result = Send(request);
    EXPECT_EQ(result.outcome, RequestOutcome::kAnswered);
    EXPECT_EQ(result.answer.size, device::kReportSize);
    return result.answer.report;
  }

  void ExpectRejected(const Report& request, RejectReason reason) {
    const Report answer = Answer(request);
    EXPECT_EQ(Code(answer), kAnswerRejected);
    EXPECT_EQ(Address(answer), Address(request));
    EXPECT_EQ(Length(answer), Length(request));
    EXPECT_EQ(answer[device::kOffsetData], static_cast<std::uint8_t>(reason));
  }

  VirtualAdapter adapter_;
};

std::vector<std::uint8_t> Counting(std::size_t n, std::uint8_t first) {
  std::vector<std::uint8_t> bytes(n);
  std::iota(bytes.begin(), bytes.end(), first);
  return bytes;
}

TEST_F(VirtualAdapterTest, WriteAndReadBackAnswersAreByteExact) {
  EXPECT_EQ(Answer(device::wire::kWriteRequest), device::wire::kWriteAnswer);
  EXPECT_EQ(Answer(device::wire::kReadRequest), device::wire::kReadAnswer);

  // A short chunk leaves the bytes after its data zero.
  const Report three = Answer(Request(device::kCmdReadFlash, model::kBootBlockAddress, 3));
  EXPECT_EQ(Length(three), 3u);
  EXPECT_EQ(Data(three, 4), (std::vector<std::uint8_t>{0x11, 0x22, 0x33, 0x00}));
}

TEST_F(VirtualAdapterTest, ReadFlashCoversInformationBlockToFirmwareEndAndNothingElse) {
  EXPECT_EQ(Code(Answer(Request(device::kCmdReadFlash, model::kInfoBlockAddress, 52))), device::kAnswerFlash);
  EXPECT_EQ(Code(Answer(Request(device::kCmdReadFlash, kFlashEnd - 1, 1))), device::kAnswerFlash);
  // Fresh flash is erased everywhere.
  EXPECT_EQ(Data(Answer(Request(device::kCmdReadFlash, model::kFirmwareAddress, 2)), 2),
            (std::vector<std::uint8_t>{0xFF, 0xFF}));

  ExpectRejected(Request(device::kCmdReadFlash, model::kInfoBlockAddress - 1, 1), RejectReason::kBadAddress);
  ExpectRejected(Request(device::kCmdReadFlash, kFlashEnd - 1, 2), RejectReason::kBadAddress);
  ExpectRejected(Request(device::kCmdReadFlash, 0xFFFFFFF0u, 52), RejectReason::kBadAddress);  // would wrap
  ExpectRejected(Request(device::kCmdReadFlash, model::kBootBlockAddress, 0), RejectReason::kBadLength);
  ExpectRejected(Request(device::kCmdReadFlash, model::kBootBlockAddress, 53), RejectReason::kBadLength);
  ExpectRejected(Request(device::kCmdReadFlash, model::kBootBlockAddress, 0xFFFFFFFFu), RejectReason::kBadLength);
}

TEST_F(VirtualAdapterTest, WriteIntoErasedFlashStoresAndEchoesTheBytes) {
  const std::vector<std::uint8_t> bytes = Counting(52, 0x80);
  const Report request = Request(device::kCmdWriteFlash, model::kMacroBlockAddress, 52, bytes);

  Report expected = request;
  expected[1] = 0x58;  // only the code differs from the request
  EXPECT_EQ(Answer(request), expected);
  EXPECT_EQ(adapter_.ReadFlash(model::kMacroBlockAddress, 52), bytes);
}

TEST_F(VirtualAdapterTest, WriteOverUnerasedFlashOnlyClearsBitsAndTheEchoShowsIt) {
  const std::uint8_t old_value = 0x0F;
  ASSERT_TRUE(adapter_.LoadFlash(model::kBootBlockAddress, {&old_value, 1}));
  const Report answer = Answer(Request(device::kCmdWriteFlash, model::kBootBlockAddress, 2, {0xF0, 0x5A}));
  EXPECT_EQ(Data(answer, 2), (std::vector<std::uint8_t>{0x00, 0x5A}));
  EXPECT_EQ(adapter_.ReadFlash(model::kBootBlockAddress, 2), (std::vector<std::uint8_t>{0x00, 0x5A}));
}

TEST_F(VirtualAdapterTest, WritesOutsideTheWritableSectorsChangeNothing) {
  const std::vector<std::uint8_t> info_before = adapter_.ReadFlash(model::kInfoBlockAddress, 64);
  ExpectRejected(Request(device::kCmdWriteFlash, model::kInfoBlockAddress, 4, {1, 2, 3, 4}), RejectReason::kProtected);
  // Straddling the boot loader's last byte and the boot block.
  ExpectRejected(Request(device::kCmdWriteFlash, model::kBootBlockAddress - 1, 2, {0, 0}), RejectReason::kProtected);
  ExpectRejected(Request(device::kCmdWriteFlash, kFlashEnd - 1, 2, {0, 0}), RejectReason::kBadAddress);
  ExpectRejected(Request(device::kCmdWriteFlash, 0x20000000, 1, {0}), RejectReason::kBadAddress);
  ExpectRejected(Request(device::kCmdWriteFlash, model::kBootBlockAddress, 0), RejectReason::kBadLength);
  ExpectRejected(Request(device::kCmdWriteFlash, model::kBootBlockAddress, 60), RejectReason::kBadLength);
  EXPECT_EQ(adapter_.ReadFlash(model::kInfoBlockAddress, 64), info_before);
  EXPECT_EQ(adapter_.ReadFlash(model::kBootBlockAddress, 1), std::vector<std::uint8_t>{0xFF});
}

TEST_F(VirtualAdapterTest, EraseClearsExactlyTheListedSectors) {
  AdapterState state;
  state.flash.Fill(kFlashBegin, kFlashSize, 0x00);
  adapter_.LoadState(state);

  Report expected{};
  expected[1] = 0x59;
  expected[9] = 2;  // two sectors, no data
  EXPECT_EQ(Answer(Request(device::kCmdEraseFlash, 0, 2, {2, 5})), expected);

  EXPECT_EQ(adapter_.ReadFlash(model::kBootBlockAddress + model::kBlockSize - 1, 2),
            (std::vector<std::uint8_t>{0x00, 0xFF}));  // end of sector 1, start of sector 2
  EXPECT_EQ(adapter_.ReadFlash(model::kConfigBlockAddress - 1, 2), (std::vector<std::uint8_t>{0xFF, 0x00}));
  EXPECT_EQ(adapter_.ReadFlash(model::kFirmwareAddress - 1, 2), (std::vector<std::uint8_t>{0x00, 0xFF}));
  EXPECT_EQ(adapter_.ReadFlash(model::kFirmwareAddress + kFirmwareSectorSize - 1, 2),
            (std::vector<std::uint8_t>{0xFF, 0x00}));  // end of sector 5, start of sector 6
  EXPECT_EQ(adapter_.ReadFlash(model::kInfoBlockAddress, 1), std::vector<std::uint8_t>{0x00});
}

TEST_F(VirtualAdapterTest, EraseWithABadSectorNumberOrCountErasesNothing) {
  AdapterState state;
  state.flash.Fill(kFlashBegin, kFlashSize, 0x00);
  adapter_.LoadState(state);
  ExpectRejected(Request(device::kCmdEraseFlash, 0, 2, {2, 7}), RejectReason::kBadSector);
  ExpectRejected(Request(device::kCmdEraseFlash, 0, 1, {0}), RejectReason::kBadSector);  // the boot loader's
  ExpectRejected(Request(device::kCmdEraseFlash, 0, 0), RejectReason::kBadLength);
  ExpectRejected(Request(device::kCmdEraseFlash, 0, 53), RejectReason::kBadLength);
  EXPECT_EQ(adapter_.ReadFlash(model::kMacroBlockAddress, 1), std::vector<std::uint8_t>{0x00});
}

TEST_F(VirtualAdapterTest, RunStatusAnswerCarriesTheFourStatusBytes) {
  adapter_.SetRunStatus({7, 1, 2, 3});
  adapter_.SetWorkingMode(3);
  Report expected{};
  expected[1] = 0x5D;
  expected[9] = 4;
  expected[13] = 3, expected[14] = 1, expected[15] = 2, expected[16] = 3;
  EXPECT_EQ(Answer(Request(device::kCmdGetSysRunStatus, 0, 4)), expected);
}

TEST_F(VirtualAdapterTest, EachPressedKeyIsReportedOnceInOrder) {
  const Report poll = Request(device::kCmdGetKeyCode, 0, 1);
  Report idle{};
  idle[1] = 0x64;
  idle[9] = 1;
  EXPECT_EQ(Answer(poll), idle);

  adapter_.PressKey(0x2C);
  adapter_.PressKey(0);  // not a key
  adapter_.PressKey(0x04);
  EXPECT_EQ(adapter_.pending_keys(), 2u);
  EXPECT_EQ(Answer(poll)[13], 0x2C);
  EXPECT_EQ(Answer(poll)[13], 0x04);
  EXPECT_EQ(Answer(poll), idle);

  adapter_.PressKey(0x05);
  adapter_.Unplug();  // the peripheral's key is gone with the power
  adapter_.PressKey(0x06);
  adapter_.Plug();
  EXPECT_EQ(Answer(poll), idle);
}

TEST_F(VirtualAdapterTest, UnknownCommandsAreRejected) {
  ExpectRejected(Request(0x42, 0x1234, 7), RejectReason::kUnknownCommand);
  ExpectRejected(Request(0x01000056, model::kBootBlockAddress, 4), RejectReason::kUnknownCommand);  // byte 4 set
  ExpectRejected(Request(device::kAnswerFlash, model::kBootBlockAddress, 4), RejectReason::kUnknownCommand);
}

TEST_F(VirtualAdapterTest, RequestsOfAnEarlierPlugInAreNotServed) {
  const std::uint64_t before = adapter_.generation();
  adapter_.Unplug();
  EXPECT_FALSE(adapter_.IsPlugged());
  EXPECT_EQ(adapter_.Handle(Request(device::kCmdGetKeyCode, 0, 1), before).outcome, RequestOutcome::kUnplugged);
  adapter_.Plug();
  EXPECT_NE(adapter_.generation(), before);
  EXPECT_EQ(adapter_.Handle(Request(device::kCmdGetKeyCode, 0, 1), before).outcome, RequestOutcome::kUnplugged);
  EXPECT_EQ(Send(Request(device::kCmdGetKeyCode, 0, 1)).outcome, RequestOutcome::kAnswered);
  EXPECT_EQ(adapter_.TotalRequests(), 1u);
}

TEST_F(VirtualAdapterTest, CountsAndLogsRequests) {
  Send(Request(device::kCmdGetSysRunStatus, 0, 4));
  adapter_.SetRequestLogging(true);
  const Report read = Request(device::kCmdReadFlash, model::kBootBlockAddress, 52);
  Send(read);
  Send(Request(0x99, 0, 0));
  EXPECT_EQ(adapter_.RequestCount(device::kCmdGetSysRunStatus), 1u);
  EXPECT_EQ(adapter_.RequestCount(device::kCmdReadFlash), 1u);
  EXPECT_EQ(adapter_.RequestCount(0x99), 1u);
  EXPECT_EQ(adapter_.TotalRequests(), 3u);
  const std::vector<Report> log = adapter_.TakeRequestLog();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0], read);
  EXPECT_TRUE(adapter_.TakeRequestLog().empty());
}

}  // namespace
}  // namespace torvane::emulator
