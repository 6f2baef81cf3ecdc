#include "device/SocketTransport.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace torvane::device {

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds left until `deadline`, for poll().
int Remaining(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// 0 when `fd` is ready for `events`, kTimeout, or a system error.
int WaitReady(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, Remaining(deadline));
    if (ready > 0) return kTransportOk;
    if (ready == 0) return kTimeout;
    if (errno != EINTR) return errno;
  }
}

}  // namespace

SocketTransport::SocketTransport(std::string socket_path) : socket_path_(std::move(socket_path)) {}

std::vector<std::string> SocketTransport::ListAdapters() {
  struct stat info {};
  if (::stat(socket_path_.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode)) return {};
  return {socket_path_};
}

int SocketTransport::Open(const std::string& path) {
  Close();
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.empty() || path.size() >= sizeof(address.sun_path)) return ENAMETOOLONG;
  std::memcpy(address.sun_path, path.data(), path.size());

  UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!fd.valid()) return errno;
  if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) return errno;
  fd_ = std::move(fd);
  opened_ = true;
  return kTransportOk;
}

void SocketTransport::Close() {
  fd_.reset();
  opened_ = false;
}

int SocketTransport::WriteReport(const Report& report, std::chrono::milliseconds timeout) {
  if (!opened_) return EBADF;
  if (!fd_.valid()) return ENOTCONN;
  const Clock::time_point deadline = Clock::now() + timeout;
  std::size_t sent = 0;
  while (sent < report.size()) {
    if (const int wait = WaitReady(fd_.get(), POLLOUT, deadline); wait != kTransportOk) {
      if (sent > 0) fd_.reset();
      return wait;
    }
    const ssize_t n = ::send(fd_.get(), report.data() + sent, report.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      return errno;
    }
    sent += static_cast<std::size_t>(n);
  }
  return kTransportOk;
}

int SocketTransport::ReadReport(Report& report, std::chrono::milliseconds timeout) {
  if (!opened_) return EBADF;
  if (!fd_.valid()) return ENOTCONN;
  const Clock::time_point deadline = Clock::now() + timeout;
  Report frame{};
  std::size_t received = 0;
  while (received < frame.size()) {
    if (const int wait = WaitReady(fd_.get(), POLLIN, deadline); wait != kTransportOk) {
      if (received > 0) fd_.reset();
      return wait;
    }
    const ssize_t n = ::recv(fd_.get(), frame.data() + received, frame.size() - received, MSG_DONTWAIT);
    if (n < 0) {
      if (errno == EINTR || errno == EAGAIN) continue;
      return errno;
    }
    if (n == 0) {
      fd_.reset();
      if (received == 0) return ENODEV;
      break;
    }
    received += static_cast<std::size_t>(n);
  }
  report = frame;
  if (report[0] != 0) return kWrongReportId;
  if (received != frame.size()) return kWrongLength;
  return kTransportOk;
}

}  // namespace torvane::device
