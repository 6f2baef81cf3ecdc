#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace torvane::device {

// The system's side of the adapter socket, shared by the socket transport and
// the emulator's server. On Linux the path names a Unix stream socket. On
// Windows, whose Wine lacks AF_UNIX, it names a small file holding the port of
// a listener on 127.0.0.1, written once the listener is up.

// Fits a Unix descriptor and a Winsock SOCKET; both mark "none" with all bits set.
using SocketHandle = std::intptr_t;
inline constexpr SocketHandle kNoSocket = -1;

// The system's codes for the transport's own failures: EBADF, ENOTCONN,
// ENODEV and ENOENT, or their Windows counterparts.
extern const int kSocketNotOpened;
extern const int kSocketNotConnected;
extern const int kSocketPeerGone;
extern const int kSocketMissing;

// Owns one socket and closes it.
class StreamSocket {
 public:
  StreamSocket() = default;
  explicit StreamSocket(SocketHandle handle) : handle_(handle) {}
  StreamSocket(StreamSocket&& other) noexcept : handle_(std::exchange(other.handle_, kNoSocket)) {}
  StreamSocket& operator=(StreamSocket&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, kNoSocket));
    return *this;
  }
  StreamSocket(const StreamSocket&) = delete;
  StreamSocket& operator=(const StreamSocket&) = delete;
  ~StreamSocket() { reset(); }

  SocketHandle get() const { return handle_; }
  bool valid() const { return handle_ != kNoSocket; }
  void reset(SocketHandle handle = kNoSocket);

 private:
  SocketHandle handle_ = kNoSocket;
};

// What one send or receive did. `bytes` 0 on a receive is the peer's end of stream.
struct SocketIo {
  std::ptrdiff_t bytes = 0;
  bool interrupted = false;  // by a signal: try again at once
  bool would_block = false;  // nothing to move right now
  int error = 0;             // the system's code when bytes < 0
};

enum class SocketReady { kToRead, kToWrite };

// What is at `path` for a server about to listen there (links not followed).
enum class SocketPathKind { kNothing, kSocket, kOther, kUnusable };
SocketPathKind InspectSocketPath(const std::string& path);
// Whether an adapter socket is at `path` now.
bool SocketPathPresent(const std::string& path);
void RemoveSocketPath(const std::string& path);

// A client socket connected to the server at `path`, whose transfers never
// block: 0, or the system's code (ENAMETOOLONG for a path no socket can have).
int ConnectSocket(const std::string& path, StreamSocket& socket);
// A listening socket at `path` (nothing there yet); false with `error` set.
bool ListenAtSocketPath(const std::string& path, StreamSocket& socket, std::string& error);
// The next waiting client, or an invalid socket. Its sends give up after a second,
// so a client that stops reading cannot hold the adapter up for ever.
StreamSocket AcceptClient(const StreamSocket& listener);

// Never raises SIGPIPE. Only the server's clients block, and only on sends;
// callers wait for readiness first.
SocketIo SendSome(const StreamSocket& socket, const std::uint8_t* data, std::size_t size);
SocketIo ReceiveSome(const StreamSocket& socket, std::uint8_t* data, std::size_t size);
// 0 once `socket` is ready, kTimeout at `deadline`, or the system's code.
int WaitForSocket(const StreamSocket& socket, SocketReady ready, std::chrono::steady_clock::time_point deadline);

// Lets one thread sleep on a socket until another thread wakes it.
class SocketWaker {
 public:
  SocketWaker() = default;
  SocketWaker(const SocketWaker&) = delete;
  SocketWaker& operator=(const SocketWaker&) = delete;

  // 0, or the system's code.
  int Open();
  // From any thread; wake-ups before the next Wait are not lost, only merged.
  void Wake();
  // Sleeps until woken or until `socket` (if valid) has something to read.
  // True when the socket has; `error` is set when waiting failed.
  bool Wait(const StreamSocket& socket, int& error);

 private:
  StreamSocket own_;  // what Wake signals and Wait watches
};

// The system's text for one of its codes.
std::string SocketErrorText(int code);

}  // namespace torvane::device
