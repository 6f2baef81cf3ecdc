#include "device/FlashProtocol.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "ScriptedTransport.h"
#include "WireReports.h"
#include "device/ProtocolCodes.h"

namespace torvane::device {
namespace {

using testing::ScriptedTransport;

// A request report as the adapter must see it: header, then the data bytes, zeros after.
Report Request(std::uint32_t command, std::uint32_t address, std::uint32_t length,
               const std::vector<std::uint8_t>& data = {}) {
  ReportFields report{.command = command, .address = address, .length = length};
  std::copy(data.begin(), data.end(), report.data.begin());
  return report.bytes();
}

std::vector<std::uint8_t> Sequence(std::size_t length, std::uint8_t first) {
  std::vector<std::uint8_t> bytes(length);
  std::iota(bytes.begin(), bytes.end(), first);
  return bytes;
}

class FlashProtocolTest : public ::testing::Test {
 protected:
  ScriptedTransport transport;
  FlashProtocol protocol{transport};
  WritePlan plan;
};

TEST_F(FlashProtocolTest, ReadOf53BytesIsTwoChunksWithExactRequests) {
  std::vector<std::uint8_t> out(53);
  ASSERT_EQ(protocol.ReadFlash(out, 0x08004000), 0);
  ASSERT_EQ(transport.requests.size(), 2u);
  EXPECT_EQ(transport.requests[0], Request(0x56, 0x08004000, 52));
  EXPECT_EQ(transport.requests[1], Request(0x56, 0x08004034, 1));
  for (std::uint32_t i = 0; i < out.size(); ++i) EXPECT_EQ(out[i], ScriptedTransport::FlashByte(0x08004000 + i)) << i;
  for (auto timeout : transport.read_timeouts) EXPECT_EQ(timeout, std::chrono::milliseconds(1000));
}

// Request() and the fake share the report's fields; the literal reports do not.
TEST_F(FlashProtocolTest, WriteAndReadBackAreByteExactOnTheWire) {
  const std::vector<std::uint8_t> written{0x11, 0x22, 0x33, 0x44};
  ASSERT_TRUE(plan.AddEntry(0x08004000, written));
  transport.answer = [](std::size_t index, const Report&, Report& answer) {
    answer = index == 0 ? wire::kWriteAnswer : wire::kReadAnswer;
    return 0;
  };
  ASSERT_EQ(protocol.WriteFlash(plan, nullptr), 0);
  std::vector<std::uint8_t> back(52);
  ASSERT_EQ(protocol.ReadFlash(back, 0x08004000), 0);
  ASSERT_EQ(transport.requests.size(), 2u);
  EXPECT_EQ(transport.requests[0], wire::kWriteRequest);
  EXPECT_EQ(transport.requests[1], wire::kReadRequest);
  std::vector<std::uint8_t> expected = written;
  expected.resize(52, 0xFF);  // erased behind them
  EXPECT_EQ(back, expected);
}

TEST_F(FlashProtocolTest, ReadOfNothingSendsNothing) {
  EXPECT_EQ(protocol.ReadFlash({}, 0x08004000), 0);
  EXPECT_TRUE(transport.requests.empty());
}

TEST_F(FlashProtocolTest, ShortFinalWriteChunkCarriesThePreviousChunksStaleBytes) {
  const std::vector<std::uint8_t> bytes = Sequence(60, 1);
  ASSERT_TRUE(plan.AddEntry(0x08008000, bytes));
  ASSERT_EQ(protocol.WriteFlash(plan, nullptr), 0);
  ASSERT_EQ(transport.requests.size(), 2u);
  EXPECT_EQ(transport.requests[0], Request(0x57, 0x08008000, 52, Sequence(52, 1)));
  // 8 new bytes (53..60), then bytes 9..52 left over from the first chunk.
  std::vector<std::uint8_t> second = Sequence(8, 53);
  for (std::uint8_t b = 9; b <= 52; ++b) second.push_back(b);
  EXPECT_EQ(transport.requests[1], Request(0x57, 0x08008034, 8, second));
}

TEST_F(FlashProtocolTest, EraseSendsTheSectorListAndWaitsFiveSeconds) {
  for (std::uint8_t sector : {std::uint8_t{1}, std::uint8_t{5}, std::uint8_t{6}}) ASSERT_TRUE(plan.AddSector(sector));
  ASSERT_EQ(protocol.EraseFlash(plan), 0);
  ASSERT_EQ(transport.requests.size(), 1u);
  EXPECT_EQ(transport.requests[0], Request(0x55, 0, 3, {1, 5, 6}));
  EXPECT_EQ(transport.read_timeouts.at(0), std::chrono::milliseconds(5000));
}

TEST_F(FlashProtocolTest, StatusAndKeyCodeRequestsAndAnswers) {
  RunStatus status;
  ASSERT_EQ(protocol.GetSysRunStatus(status), 0);
  EXPECT_EQ(status.bytes, (std::array<std::uint8_t, 4>{7, 0x11, 0x22, 0x33}));
  std::uint8_t code = 0;
  ASSERT_EQ(protocol.GetKeyCode(code), 0);
  EXPECT_EQ(code, 0x2C);
  ASSERT_EQ(transport.requests.size(), 2u);
  EXPECT_EQ(transport.requests[0], Request(0x5D, 0, 4));
  EXPECT_EQ(transport.requests[1], Request(0x63, 0, 1));
}

// Progress values of a plan of `total` bytes, each with the number of chunks sent when it came.
std::vector<std::pair<int, std::size_t>> ProgressOf(std::size_t total) {
  ScriptedTransport transport;
  FlashProtocol protocol(transport);
  WritePlan plan;
  EXPECT_TRUE(plan.AddEntry(0x08010000, std::vector<std::uint8_t>(total, 0x5A)));
  std::vector<std::pair<int, std::size_t>> seen;
  EXPECT_EQ(protocol.WriteFlash(plan, [&](int percent) { seen.emplace_back(percent, transport.requests.size()); }), 0);
  return seen;
}

TEST(FlashProtocolProgressTest, NeverReportsZeroAndEndsAtHundred) {
  const auto small = ProgressOf(100);
  ASSERT_EQ(small.size(), 2u);
  EXPECT_EQ(small[0].first, 52);
  EXPECT_EQ(small[1].first, 100);

  const auto large = ProgressOf(100000);
  ASSERT_EQ(large.size(), 100u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(large[i].first, i + 1);
  EXPECT_EQ(large[0].second, 20u) << "1 % comes with the 20th chunk, 1,040 bytes in";
  EXPECT_EQ(large[99].second, (100000u + 51) / 52);
}

TEST_F(FlashProtocolTest, ProgressCountsAcrossEntries) {
  ASSERT_TRUE(plan.AddEntry(0x08004000, std::vector<std::uint8_t>(52, 1)));
  ASSERT_TRUE(plan.AddEntry(0x08008000, std::vector<std::uint8_t>(52, 2)));
  std::vector<int> seen;
  ASSERT_EQ(protocol.WriteFlash(plan, [&seen](int percent) { seen.push_back(percent); }), 0);
  EXPECT_EQ(seen, (std::vector<int>{50, 100}));
  EXPECT_EQ(transport.requests[1], Request(0x57, 0x08008000, 52, std::vector<std::uint8_t>(52, 2)));
}

// Each mismatching answer fails the operation with its own text.
TEST_F(FlashProtocolTest, AnswerChecksFailWithTheirTexts) {
  struct Case {
    const char* what;
    std::function<void(Report&)> spoil;
    std::function<int(FlashProtocol&, WritePlan&)> run;
    int result;
    const char* text;
  };
  auto read = [](FlashProtocol& p, WritePlan&) {
    std::vector<std::uint8_t> out(10);
    return p.ReadFlash(out, 0x08004000);
  };
  auto write = [](FlashProtocol& p, WritePlan& entries) {
    entries.Clear();
    entries.AddEntry(0x08004000, std::vector<std::uint8_t>(10, 0x42));
    return p.WriteFlash(entries, nullptr);
  };
  auto erase = [](FlashProtocol& p, WritePlan& sectors) {
    sectors.Clear();
    sectors.AddSector(2);
    return p.EraseFlash(sectors);
  };
  auto status = [](FlashProtocol& p, WritePlan&) {
    RunStatus s;
    return p.GetSysRunStatus(s);
  };
  auto key = [](FlashProtocol& p, WritePlan&) {
    std::uint8_t code = 0;
    return p.GetKeyCode(code);
  };
  auto bump = [](std::size_t offset) { return [offset](Report& r) { r[offset]++; }; };
  const Case cases[] = {
      {"read address", bump(kOffsetAddress), read, -2, "ReadFlash:Verify(86,-2)"},
      {"read length", bump(kOffsetLength), read, -2, "ReadFlash:Verify(86,-2)"},
      {"read code", bump(kOffsetCommand), read, -2, "ReadFlash:Verify(86,-2)"},
      {"read code high byte", bump(kOffsetCommand + 3), read, -2, "ReadFlash:Verify(86,-2)"},
      {"read report id", bump(0), read, -2, "ReadFlash:Verify(86,-2)"},
      {"write address", bump(kOffsetAddress), write, -2, "WriteFlash:Verify2(87,-2)"},
      {"write length", bump(kOffsetLength), write, -2, "WriteFlash:Verify2(87,-2)"},
      {"write echo", [](Report& r) { r[kOffsetData + 9] ^= 1; }, write, -2, "WriteFlash:Verify1(87,-2)"},
      {"erase code", bump(kOffsetCommand), erase, -1, "Erase Flash:Verify(-1)"},
      {"status code", bump(kOffsetCommand), status, -2, "GetSysRunStatus:Verify(-2)"},
      {"status length", bump(kOffsetLength), status, -2, "GetSysRunStatus:Verify(-2)"},
      {"key code", bump(kOffsetCommand), key, -2, "GetKeyCode:Verify(-2)"},
      {"key length", bump(kOffsetLength), key, -2, "GetKeyCode:Verify(-2)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedTransport spoiled;
    spoiled.answer = [&c](std::size_t, const Report& request, Report& out) {
      out = ScriptedTransport::AdapterAnswer(request);
      c.spoil(out);
      return 0;
    };
    FlashProtocol p(spoiled);
    EXPECT_EQ(c.run(p, plan), c.result);
    EXPECT_EQ(p.last_error(), c.text);
    EXPECT_EQ(spoiled.requests.size(), 1u) << "a mismatch is never retried";
  }
}

// Each transport failure is reported with the command's text and the transport's code.
TEST_F(FlashProtocolTest, TransportFailuresFailWithTheirTexts) {
  std::vector<std::uint8_t> out(60);
  auto read = [&out](FlashProtocol& p) { return p.ReadFlash(out, 0x08004000); };
  auto write = [this](FlashProtocol& p) {
    plan.Clear();
    plan.AddSector(1);
    plan.AddEntry(0x08004000, std::vector<std::uint8_t>(60, 3));
    return p.WriteFlash(plan, nullptr);
  };
  auto erase = [this](FlashProtocol& p) { return p.EraseFlash(plan); };
  auto status = [](FlashProtocol& p) {
    RunStatus s;
    return p.GetSysRunStatus(s);
  };
  auto key = [](FlashProtocol& p) {
    std::uint8_t code = 0;
    return p.GetKeyCode(code);
  };
  struct Case {
    std::function<int(FlashProtocol&)> run;
    bool fail_write;  // else the read of the answer fails
    int code;
    const char* text;
  };
  const Case cases[] = {
      {read, true, 5, "ReadFlash:Write(86,5)"},        {read, false, 258, "ReadFlash:Read(86,258)"},
      {write, true, 258, "WriteFlash: Write(87,258)"}, {write, false, -3, "WriteFlash: Read(87,-3)"},
      {erase, true, 19, "Erase Flash:Write(19)"},      {erase, false, 258, "Erase Flash:Read(258)"},
      {status, true, 5, "GetSysRunStatus:Write(5)"},   {status, false, -4, "GetSysRunStatus:Read(-4)"},
      {key, true, 5, "GetKeyCode:Write(5)"},           {key, false, 258, "GetKeyCode:Read(258)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ScriptedTransport failing;
    const std::size_t failing_index = 0;
    if (c.fail_write) {
      failing.write_result = [&c](std::size_t index, const Report&) { return index == failing_index ? c.code : 0; };
    } else {
      failing.answer = [&c](std::size_t index, const Report& request, Report& answer) {
        answer = ScriptedTransport::AdapterAnswer(request);
        return index == failing_index ? c.code : 0;
      };
    }
    FlashProtocol p(failing);
    EXPECT_EQ(c.run(p), c.code);
    EXPECT_EQ(p.last_error(), c.text);
    EXPECT_EQ(failing.requests.size(), 1u);
  }
}

TEST_F(FlashProtocolTest, FailureInALaterChunkKeepsWhatWasReadAndReplacesTheText) {
  transport.answer = [](std::size_t index, const Report& request, Report& answer) {
    answer = ScriptedTransport::AdapterAnswer(request);
    return index == 2 ? 258 : 0;
  };
  RunStatus status;
  ASSERT_EQ(protocol.GetSysRunStatus(status), 0);
  std::vector<std::uint8_t> out(200, 0);
  EXPECT_EQ(protocol.ReadFlash(out, 0x08010000), 258);
  EXPECT_EQ(protocol.last_error(), "ReadFlash:Read(86,258)");
  EXPECT_EQ(transport.requests.size(), 3u);
  EXPECT_EQ(out[51], ScriptedTransport::FlashByte(0x08010000 + 51));
  EXPECT_EQ(out[52], 0) << "the failed chunk copies nothing";
}

}  // namespace
}  // namespace torvane::device
