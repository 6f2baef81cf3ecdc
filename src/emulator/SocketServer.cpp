#include "emulator/SocketServer.h"

#include <algorithm>
#include <utility>

namespace torvane::emulator {

namespace {

std::string SystemError(const std::string& what, int code) {
  return what + ": " + device::SocketErrorText(code);
}

// Whether a server answers on the socket at `path`.
bool SomeoneListens(const std::string& path) {
  device::StreamSocket probe;
  return device::ConnectSocket(path, probe) == 0;
}

}  // namespace

SocketServer::SocketServer(VirtualAdapter& adapter, std::string socket_path)
    : adapter_(adapter), path_(std::move(socket_path)) {}

SocketServer::~SocketServer() {
  Stop();
}

bool SocketServer::Start(std::string& error) {
  if (thread_.joinable()) return true;
  if (const int failed = waker_.Open(); failed != 0) {
    error = SystemError("wake-up", failed);
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
  waker_.Wake();
}

void SocketServer::Run() {
  while (!stopping_) {
    FollowPlugState();
    int error = 0;
    const bool ready = waker_.Wait(client_.valid() ? client_ : listen_, error);
    if (error != 0) {
      SetError(SystemError("poll", error));
      return;
    }
    if (ready) {
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
  switch (device::InspectSocketPath(path_)) {
    case device::SocketPathKind::kUnusable:
      error = "socket path is empty or too long: " + path_;
      return false;
    case device::SocketPathKind::kOther:
      error = path_ + " exists and is not a socket";
      return false;
    case device::SocketPathKind::kSocket:
      if (SomeoneListens(path_)) {
        error = path_ + " is served by another process";
        return false;
      }
      device::RemoveSocketPath(path_);  // left behind by a server that died
      break;
    case device::SocketPathKind::kNothing:
      break;
  }
  const std::uint64_t generation = adapter_.generation();
  device::StreamSocket socket;
  if (!device::ListenAtSocketPath(path_, socket, error)) return false;
  listen_ = std::move(socket);
  listen_generation_ = generation;
  return true;
}

void SocketServer::StopListening() {
  DropClient();
  if (!listen_.valid()) return;
  listen_.reset();
  device::RemoveSocketPath(path_);
}

void SocketServer::AcceptClient() {
  device::StreamSocket client = device::AcceptClient(listen_);
  if (!client.valid()) return;
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
  const device::SocketIo io = device::ReceiveSome(client_, buffer, wanted);
  if (io.interrupted || io.would_block) return;
  if (io.bytes <= 0) {
    DropClient();
    return;
  }
  incoming_.insert(incoming_.end(), buffer, buffer + io.bytes);
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
    const device::SocketIo io = device::SendSome(client_, answer.report.data() + sent, size - sent);
    if (io.interrupted) continue;
    if (io.bytes <= 0) {
      DropClient();
      return;
    }
    sent += static_cast<std::size_t>(io.bytes);
  }
  // After a short answer the stream has lost its frame boundaries.
  if (size != device::kReportSize) DropClient();
}

}  // namespace torvane::emulator
