// The socket transport against the virtual adapter served by the emulator's socket server.
#include "device/SocketTransport.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <cerrno>
#endif
#include <algorithm>

#include "../emulator/ReportBytes.h"
#include "../emulator/TransportExchange.h"
#include "emulator/SocketServer.h"
#include "support/TempFolder.h"

namespace torvane::device {
namespace {

using namespace emulator::reports;  // NOLINT: the report helpers
using emulator::Clock;
using emulator::FaultKind;
using emulator::SocketServer;
using emulator::VirtualAdapter;
using std::chrono::milliseconds;
using testing::Eventually;
using testing::TempFolder;

const device::Report kStatus = Request(device::kCmdGetSysRunStatus, 0, 4);

// What a write into a connection the peer has closed fails with.
#ifdef _WIN32
constexpr int kWriteToClosed[] = {WSAECONNRESET, WSAECONNABORTED};
#else
constexpr int kWriteToClosed[] = {EPIPE};
#endif

// A peer that has gone shows on the write or on the read (ENODEV).
bool PeerGone(const Exchange& exchange) {
  if (exchange.write == 0) return exchange.read == kSocketPeerGone;
  return std::ranges::find(kWriteToClosed, exchange.write) != std::end(kWriteToClosed);
}

class SocketTransportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.path().empty());
    std::string error;
    ASSERT_TRUE(server_.Start(error)) << error;
  }

  bool SocketExists() const { return SocketPathPresent(path_); }

  TempFolder folder_;
  const std::string path_ = (folder_.path() / "adapter.sock").string();
  VirtualAdapter adapter_;
  SocketServer server_{adapter_, path_};
  SocketTransport transport_{path_};
};

TEST_F(SocketTransportTest, RoundTripMatchesTheAdapterByteForByte) {
  const std::vector<std::uint8_t> bytes{0xDE, 0xAD, 0xBE, 0xEF};
  ASSERT_TRUE(adapter_.LoadFlash(model::kResponseBlockAddress, bytes));
  EXPECT_EQ(transport_.ListAdapters(), std::vector<std::string>{path_});
  ASSERT_EQ(transport_.Open(path_), 0);

  const device::Report read = Request(device::kCmdReadFlash, model::kResponseBlockAddress, 4);
  const Exchange over_socket = Send(transport_, read);
  ASSERT_EQ(over_socket.write, 0);
  ASSERT_EQ(over_socket.read, 0);
  EXPECT_EQ(over_socket.answer, adapter_.Handle(read, adapter_.generation()).answer.report);
  EXPECT_EQ(Data(over_socket.answer, 4), bytes);

  const Exchange write = Send(transport_, Request(device::kCmdWriteFlash, model::kMacroBlockAddress, 2, {7, 8}));
  EXPECT_EQ(Code(write.answer), device::kAnswerFlash);
  EXPECT_EQ(adapter_.ReadFlash(model::kMacroBlockAddress, 2), (std::vector<std::uint8_t>{7, 8}));
}

TEST_F(SocketTransportTest, SocketFileFollowsThePlugState) {
  ASSERT_EQ(transport_.Open(path_), 0);
  ASSERT_EQ(Send(transport_, kStatus).read, 0);

  adapter_.Unplug();
  ASSERT_TRUE(Eventually([&] { return !SocketExists(); }));
  EXPECT_TRUE(transport_.ListAdapters().empty());
  EXPECT_TRUE(PeerGone(Send(transport_, kStatus)));  // the connection went with it
  EXPECT_EQ(transport_.Open(path_), kSocketMissing);

  adapter_.Plug();
  ASSERT_TRUE(Eventually([&] { return SocketExists(); }));
  ASSERT_EQ(transport_.Open(path_), 0);
  EXPECT_EQ(Send(transport_, kStatus).read, 0);
}

TEST_F(SocketTransportTest, UnplugFaultMidTransferRemovesTheSocket) {
  adapter_.ArmFault({FaultKind::kUnplug, device::kCmdWriteFlash, 2});
  ASSERT_EQ(transport_.Open(path_), 0);
  EXPECT_EQ(Send(transport_, Request(device::kCmdWriteFlash, model::kBootBlockAddress, 1, {1})).read, 0);
  const Exchange cut = Send(transport_, Request(device::kCmdWriteFlash, model::kBootBlockAddress + 1, 1, {2}));
  EXPECT_EQ(cut.write, 0);
  EXPECT_EQ(cut.read, kSocketPeerGone);
  EXPECT_FALSE(adapter_.IsPlugged());
  EXPECT_TRUE(Eventually([&] { return !SocketExists(); }));
}

TEST_F(SocketTransportTest, MissingAnswerTimesOutAndTheConnectionCarriesOn) {
  adapter_.ArmFault({FaultKind::kNoAnswer});
  ASSERT_EQ(transport_.Open(path_), 0);
  EXPECT_EQ(Send(transport_, kStatus, milliseconds(50)).read, device::kTimeout);
  EXPECT_EQ(Send(transport_, kStatus).read, 0);
}

TEST_F(SocketTransportTest, BadAnswersKeepTheirTransportCodes) {
  adapter_.ArmFault({FaultKind::kWrongReportId, device::kCmdGetSysRunStatus, 1});
  adapter_.ArmFault({FaultKind::kShortReport, device::kCmdGetSysRunStatus, 2});
  ASSERT_EQ(transport_.Open(path_), 0);
  EXPECT_EQ(Send(transport_, kStatus).read, device::kWrongReportId);
  EXPECT_EQ(Send(transport_, kStatus).read, device::kWrongLength);
  // A cut frame ends the stream; the next open starts a fresh one.
  EXPECT_EQ(transport_.WriteReport(kStatus, milliseconds(100)), kSocketNotConnected);
  ASSERT_EQ(transport_.Open(path_), 0);
  EXPECT_EQ(Send(transport_, kStatus).read, 0);
}

TEST_F(SocketTransportTest, ServesOneClientAtATime) {
  SocketTransport second(path_);
  ASSERT_EQ(transport_.Open(path_), 0);
  ASSERT_EQ(Send(transport_, kStatus).read, 0);
  ASSERT_EQ(second.Open(path_), 0);  // waits in the backlog
  ASSERT_EQ(second.WriteReport(kStatus, milliseconds(100)), 0);
  device::Report answer{};
  EXPECT_EQ(second.ReadReport(answer, milliseconds(100)), device::kTimeout);
  transport_.Close();
  EXPECT_EQ(second.ReadReport(answer, milliseconds(5000)), 0);
  EXPECT_EQ(Code(answer), device::kAnswerRunStatus);
}

TEST_F(SocketTransportTest, LatencyDelaysEachWay) {
  server_.Stop();
  server_.set_latency(milliseconds(25));
  std::string error;
  ASSERT_TRUE(server_.Start(error)) << error;
  ASSERT_EQ(transport_.Open(path_), 0);
  const auto start = Clock::now();
  EXPECT_EQ(Send(transport_, kStatus).read, 0);
  EXPECT_GE(Clock::now() - start, milliseconds(50));
}

TEST_F(SocketTransportTest, StopRemovesTheSocketAndEndsTheConnection) {
  ASSERT_EQ(transport_.Open(path_), 0);
  server_.Stop();
  EXPECT_FALSE(SocketExists());
  EXPECT_TRUE(PeerGone(Send(transport_, kStatus)));
}

TEST(SocketTransportOpen, FailsWithTheSystemErrorWhenNothingListens) {
  TempFolder folder;
  const std::string path = (folder.path() / "adapter.sock").string();
  SocketTransport transport(path);
  EXPECT_TRUE(transport.ListAdapters().empty());
  EXPECT_EQ(transport.Open(path), kSocketMissing);
  EXPECT_EQ(transport.WriteReport(kStatus, milliseconds(10)), kSocketNotOpened);
}

}  // namespace
}  // namespace torvane::device
