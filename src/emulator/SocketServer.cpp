#include "emulator/SocketServer.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

namespace torvane::emulator {

namespace {

std::string SystemError(const std::string& what, int code) {
  return what + ": " + std::strerror(code);
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

// Whether a server answers on the socket at `address`.
bool SomeoneListens(const sockaddr_un& address) {
  device::UniqueFd probe(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  return probe.valid() && ::connect(probe.get(), AsSockaddr(address), sizeof(address)) == 0;
}

}  // namespace

SocketServer::SocketServer(VirtualAdapter& adapter, std::string socket_path)
    : adapter_(adapter), path_(std::move(socket_path)) {}

SocketServer::~SocketServer() {
  Stop();
}

bool SocketServer::Start(std::string& error) {
  if (thread_.joinable()) return true;
  wake_.reset(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK));
  if (!wake_.valid()) {
    error = SystemError("eventfd", errno);
    return false;
  }
  if (adapter_.IsPlugged() && !Listen(error)) return false;
  adapter_.SetPlugListener([this](bool) { Wake(); });
  stopping_ = false;
  thread_ = std::thread([this] { Run(); });
  return true;
}

void SocketServer::Stop() {
  if (!thread_.joinable()) return;
  adapter_.SetPlugListener(nullptr);
  stopping_ = true;
  Wake();
  thread_.join();
  StopListening();
}

std::string SocketServer::last_error() const {
  std::lock_guard lock(error_mutex_);
  return error_;
}

void SocketServer::SetError(std::string error) {
  std::lock_guard lock(error_mutex_);
  error_ = std::move(error);
}

void SocketServer::Wake() {
  const std::uint64_t one = 1;
  // A full counter already means "wake up"; nothing to do on failure.
  [[maybe_unused]] const ssize_t n = ::write(wake_.get(), &one, sizeof(one));
}

void SocketServer::Run() {
  while (!stopping_) {
    FollowPlugState();
    std::vector<pollfd> fds{{wake_.get(), POLLIN, 0}};
    if (client_.valid()) {
      fds.push_back({client_.get(), POLLIN, 0});
    } else if (listen_.valid()) {
      fds.push_back({listen_.get(), POLLIN, 0});
    }
    if (::poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      SetError(SystemError("poll", errno));
      return;
    }
    if (fds[0].revents != 0) {
      std::uint64_t count = 0;
      [[maybe_unused]] const ssize_t n = ::read(wake_.get(), &count, sizeof(count));
    }
    if (fds.size() > 1 && fds[1].revents != 0) {
      if (client_.valid()) {
        ReadFromClient();
      } else {
        AcceptClient();
      }
    }
  }
}

// The socket file mirrors the plug state; a new plug-in means a new file,
// even when the unplug in between was too short to be seen here.
void SocketServer::FollowPlugState() {
  const std::uint64_t generation = adapter_.generation();
  const bool plugged = adapter_.IsConnected(generation);
  if (listen_.valid() && (!plugged || listen_generation_ != generation)) StopListening();
  if (client_.valid() && !adapter_.IsConnected(client_generation_)) DropClient();
  if (plugged && !listen_.valid()) {
    std::string error;
    if (!Listen(error)) SetError(error);
  }
}

bool SocketServer::Listen(std::string& error) {
  sockaddr_un address{};
  if (!MakeAddress(path_, address)) {
    error = "socket path is empty or too long: " + path_;
    return false;
  }
  struct stat info {};
  if (::lstat(path_.c_str(), &info) == 0) {
    if (!S_ISSOCK(info.st_mode)) {
      error = path_ + " exists and is not a socket";
      return false;
    }
    if (SomeoneListens(address)) {
      error = path_ + " is served by another process";
      return false;
    }
    ::unlink(path_.c_str());  // left behind by a server that died
  }
  const std::uint64_t generation = adapter_.generation();
  device::UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!fd.valid()) {
    error = SystemError("socket", errno);
    return false;
  }
  if (::bind(fd.get(), AsSockaddr(address), sizeof(address)) != 0) {
    error = SystemError("bind " + path_, errno);
    return false;
  }
  if (::listen(fd.get(), 4) != 0) {
    error = SystemError("listen", errno);
    ::unlink(path_.c_str());
    return false;
  }
  listen_ = std::move(fd);
  listen_generation_ = generation;
  return true;
}

void SocketServer::StopListening() {
  DropClient();
  if (!listen_.valid()) return;
  listen_.reset();
  ::unlink(path_.c_str());
}

void SocketServer::AcceptClient() {
  device::UniqueFd client(::accept4(listen_.get(), nullptr, nullptr, SOCK_CLOEXEC));
  if (!client.valid()) return;
  // A client that stops reading must not hold the adapter up for ever.
  const timeval send_timeout{1, 0};
  ::setsockopt(client.get(), SOL_SOCKET, SO_SNDTIMEO, &send_timeout, sizeof(send_timeout));
  client_ = std::move(client);
  client_generation_ = listen_generation_;
  incoming_.clear();
}

void SocketServer::DropClient() {
  client_.reset();
  incoming_.clear();
}

void SocketServer::ReadFromClient() {
  std::uint8_t buffer[device::kReportSize];
  const std::size_t wanted = device::kReportSize - incoming_.size();
  const ssize_t n = ::recv(client_.get(), buffer, wanted, MSG_DONTWAIT);
  if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
  if (n <= 0) {
    DropClient();
    return;
  }
  incoming_.insert(incoming_.end(), buffer, buffer + n);
  if (incoming_.size() < device::kReportSize) return;
  device::Report request{};
  std::copy(incoming_.begin(), incoming_.end(), request.begin());
  incoming_.clear();
  Answer(request);
}

void SocketServer::Answer(const device::Report& request) {
  const std::uint64_t generation = client_generation_;
  if (latency_.count() > 0 && !adapter_.WaitConnected(generation, Clock::now() + latency_)) {
    DropClient();
    return;
  }
  const HandleResult result = adapter_.Handle(request, generation);
  if (result.outcome == RequestOutcome::kUnplugged) {
    DropClient();
    return;
  }
  if (result.outcome == RequestOutcome::kNoAnswer) return;
  const AdapterAnswer& answer = result.answer;
  if (!adapter_.WaitConnected(generation, Clock::now() + answer.busy + latency_)) {
    DropClient();
    return;
  }
  const std::size_t size = std::min(answer.size, answer.report.size());
  std::size_t sent = 0;
  while (sent < size) {
    const ssize_t n = ::send(client_.get(), answer.report.data() + sent, size - sent, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      DropClient();
      return;
    }
    sent += static_cast<std::size_t>(n);
  }
  // After a short answer the stream has lost its frame boundaries.
  if (size != device::kReportSize) DropClient();
}

}  // namespace torvane::emulator
