#include "device/SocketTransportSystem.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "device/Transport.h"

namespace torvane::device {

const int kSocketNotOpened = EBADF;
const int kSocketNotConnected = ENOTCONN;
const int kSocketPeerGone = ENODEV;
const int kSocketMissing = ENOENT;

namespace {

int Fd(const StreamSocket& socket) {
  return static_cast<int>(socket.get());
}

bool MakeAddress(const std::string& path, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path, path.data(), path.size());
  return true;
}

const sockaddr* AsSockaddr(const sockaddr_un& address) {
  return reinterpret_cast<const sockaddr*>(&address);
}

std::string SystemError(const std::string& what, int code) {
  return what + ": " + SocketErrorText(code);
}

// Milliseconds left until `deadline`, for poll().
int Remaining(std::chrono::steady_clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

SocketIo Done(ssize_t n) {
  if (n >= 0) return {n, false, false, 0};
  return {-1, errno == EINTR, errno == EAGAIN || errno == EWOULDBLOCK, errno};
}

}  // namespace

void StreamSocket::reset(SocketHandle handle) {
  if (handle_ != kNoSocket) ::close(static_cast<int>(handle_));
  handle_ = handle;
}

SocketPathKind InspectSocketPath(const std::string& path) {
  sockaddr_un address{};
  if (!MakeAddress(path, address)) return SocketPathKind::kUnusable;
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0) return SocketPathKind::kNothing;
  return S_ISSOCK(info.st_mode) ? SocketPathKind::kSocket : SocketPathKind::kOther;
}

bool SocketPathPresent(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

void RemoveSocketPath(const std::string& path) {
  ::unlink(path.c_str());
}

int ConnectSocket(const std::string& path, StreamSocket& socket) {
  sockaddr_un address{};
  if (!MakeAddress(path, address)) return ENAMETOOLONG;
  StreamSocket fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!fd.valid()) return errno;
  if (::connect(Fd(fd), AsSockaddr(address), sizeof(address)) != 0) return errno;
  // Only now: a full backlog should make connect() wait, not fail.
  if (::fcntl(Fd(fd), F_SETFL, ::fcntl(Fd(fd), F_GETFL) | O_NONBLOCK) != 0) return errno;
  socket = std::move(fd);
  return kTransportOk;
}

bool ListenAtSocketPath(const std::string& path, StreamSocket& socket, std::string& error) {
  sockaddr_un address{};
  if (!MakeAddress(path, address)) {
    error = "socket path is empty or too long: " + path;
    return false;
  }
  StreamSocket fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!fd.valid()) {
    error = SystemError("socket", errno);
    return false;
  }
  if (::bind(Fd(fd), AsSockaddr(address), sizeof(address)) != 0) {
    error = SystemError("bind " + path, errno);
    return false;
  }
  if (::listen(Fd(fd), 4) != 0) {
    error = SystemError("listen", errno);
    ::unlink(path.c_str());
    return false;
  }
  socket = std::move(fd);
  return true;
}

StreamSocket AcceptClient(const StreamSocket& listener) {
  StreamSocket client(::accept4(Fd(listener), nullptr, nullptr, SOCK_CLOEXEC));
  if (!client.valid()) return client;
  const timeval send_timeout{1, 0};
  ::setsockopt(Fd(client), SOL_SOCKET, SO_SNDTIMEO, &send_timeout, sizeof(send_timeout));
  return client;
}

SocketIo SendSome(const StreamSocket& socket, const std::uint8_t* data, std::size_t size) {
  return Done(::send(Fd(socket), data, size, MSG_NOSIGNAL));
}

SocketIo ReceiveSome(const StreamSocket& socket, std::uint8_t* data, std::size_t size) {
  return Done(::recv(Fd(socket), data, size, MSG_DONTWAIT));
}

int WaitForSocket(const StreamSocket& socket, SocketReady ready, std::chrono::steady_clock::time_point deadline) {
  const short events = ready == SocketReady::kToRead ? POLLIN : POLLOUT;
  for (;;) {
    pollfd entry{Fd(socket), events, 0};
    const int count = ::poll(&entry, 1, Remaining(deadline));
    if (count > 0) return kTransportOk;
    if (count == 0) return kTimeout;
    if (errno != EINTR) return errno;
  }
}

int SocketWaker::Open() {
  own_.reset(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
  return own_.valid() ? 0 : errno;
}

void SocketWaker::Wake() {
  const std::uint64_t one = 1;
  // A full counter already means "wake up"; nothing to do on failure.
  [[maybe_unused]] const ssize_t n = ::write(Fd(own_), &one, sizeof(one));
}

bool SocketWaker::Wait(const StreamSocket& socket, int& error) {
  error = 0;
  std::vector<pollfd> fds{{Fd(own_), POLLIN, 0}};
  if (socket.valid()) fds.push_back({Fd(socket), POLLIN, 0});
  if (::poll(fds.data(), fds.size(), -1) < 0) {
    if (errno != EINTR) error = errno;
    return false;
  }
  if (fds[0].revents != 0) {
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(Fd(own_), &count, sizeof(count));
  }
  return fds.size() > 1 && fds[1].revents != 0;
}

std::string SocketErrorText(int code) {
  return std::strerror(code);
}

}  // namespace torvane::device
