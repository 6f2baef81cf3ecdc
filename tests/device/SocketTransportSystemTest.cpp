// The system's side of the adapter socket, under the transport and the server.
#include "device/SocketTransportSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "device/Transport.h"
#include "support/TempFolder.h"

namespace torvane::device {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using testing::TempFolder;

class SocketSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.path().empty());
    std::string error;
    ASSERT_TRUE(ListenAtSocketPath(path_, listener_, error)) << error;
  }

  // A client connected to the listener, and the server's end of it.
  void Connect(StreamSocket& client, StreamSocket& served) {
    ASSERT_EQ(ConnectSocket(path_, client), 0);
    ASSERT_EQ(WaitForSocket(listener_, SocketReady::kToRead, Clock::now() + milliseconds(2000)), 0);
    served = AcceptClient(listener_);
    ASSERT_TRUE(served.valid());
  }

  TempFolder folder_;
  const std::string path_ = (folder_.path() / "adapter.sock").string();
  StreamSocket listener_;
};

TEST_F(SocketSystemTest, TellsWhatIsAtAPath) {
  const std::filesystem::path other = folder_.path() / "other";
  std::filesystem::create_directory(folder_.path() / "folder");
  const struct {
    std::string path;
    SocketPathKind kind;
  } cases[] = {
      {path_, SocketPathKind::kSocket},
      {(folder_.path() / "missing.sock").string(), SocketPathKind::kNothing},
      {(folder_.path() / "folder").string(), SocketPathKind::kOther},
      {other.string(), SocketPathKind::kOther},
      {"", SocketPathKind::kUnusable},
      {(folder_.path() / std::string(200, 'x')).string(), SocketPathKind::kUnusable},
  };
  // Regular files, some of them what a port record half written or damaged looks like on Windows.
  for (const char* content : {"keep me", "", "tcp-port 5", "tcp-port 0\n", "tcp-port 70000\n", "tcp-port 12x\n"}) {
    std::ofstream(other, std::ios::binary | std::ios::trunc) << content;
    for (const auto& [path, kind] : cases) {
      SCOPED_TRACE(path + " holding '" + content + "'");
      EXPECT_EQ(InspectSocketPath(path), kind);
      EXPECT_EQ(SocketPathPresent(path), kind == SocketPathKind::kSocket);
    }
  }
  RemoveSocketPath(path_);
  EXPECT_EQ(InspectSocketPath(path_), SocketPathKind::kNothing);
  EXPECT_FALSE(SocketPathPresent(path_));
}

TEST_F(SocketSystemTest, ConnectingFailsWithTheSystemsReason) {
  StreamSocket client;
  EXPECT_EQ(ConnectSocket((folder_.path() / "missing.sock").string(), client), kSocketMissing);
  EXPECT_NE(ConnectSocket(std::string(200, 'x'), client), 0);
  listener_.reset();  // the path stays behind, as after a server that died
  const int stale = ConnectSocket(path_, client);
  EXPECT_NE(stale, 0);
  EXPECT_NE(stale, kSocketMissing);
  EXPECT_FALSE(client.valid());
}

TEST_F(SocketSystemTest, MovesBytesBothWaysAndSeesTheEndOfStream) {
  StreamSocket client, served;
  ASSERT_NO_FATAL_FAILURE(Connect(client, served));
  Report frame{};
  EXPECT_TRUE(ReceiveSome(client, frame.data(), frame.size()).would_block);
  const auto start = Clock::now();
  EXPECT_EQ(WaitForSocket(client, SocketReady::kToRead, start + milliseconds(50)), kTimeout);
  EXPECT_GE(Clock::now() - start, milliseconds(45));

  frame.fill(0x5A);
  ASSERT_EQ(SendSome(client, frame.data(), frame.size()).bytes, static_cast<std::ptrdiff_t>(frame.size()));
  Report received{};
  std::size_t count = 0;
  while (count < received.size()) {
    ASSERT_EQ(WaitForSocket(served, SocketReady::kToRead, Clock::now() + milliseconds(2000)), 0);
    const SocketIo io = ReceiveSome(served, received.data() + count, received.size() - count);
    ASSERT_GT(io.bytes, 0);
    count += static_cast<std::size_t>(io.bytes);
  }
  EXPECT_EQ(received, frame);

  served.reset();
  ASSERT_EQ(WaitForSocket(client, SocketReady::kToRead, Clock::now() + milliseconds(2000)), 0);
  EXPECT_EQ(ReceiveSome(client, received.data(), received.size()).bytes, 0);
}

TEST_F(SocketSystemTest, WakerSleepsUntilWokenOrTheSocketIsReady) {
  SocketWaker waker;
  ASSERT_EQ(waker.Open(), 0);
  int error = -1;

  // Wake-ups before the wait are kept, merged into one.
  waker.Wake();
  waker.Wake();
  EXPECT_FALSE(waker.Wait(listener_, error));
  EXPECT_EQ(error, 0);

  // Both were taken: the next wait sleeps until another thread wakes it.
  const StreamSocket none;
  for (const bool with_socket : {true, false}) {
    SCOPED_TRACE(with_socket);
    const auto start = Clock::now();
    std::thread waking([&] {
      std::this_thread::sleep_for(milliseconds(100));
      waker.Wake();
    });
    EXPECT_FALSE(waker.Wait(with_socket ? listener_ : none, error));
    waking.join();
    EXPECT_EQ(error, 0);
    EXPECT_GE(Clock::now() - start, milliseconds(90));
  }

  // A client waiting to be accepted ends the wait too.
  StreamSocket client;
  ASSERT_EQ(ConnectSocket(path_, client), 0);
  EXPECT_TRUE(waker.Wait(listener_, error));
  EXPECT_EQ(error, 0);
}

}  // namespace
}  // namespace torvane::device
