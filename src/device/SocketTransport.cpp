#include "device/SocketTransport.h"

#include <utility>

namespace torvane::device {

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

SocketTransport::SocketTransport(std::string socket_path) : socket_path_(std::move(socket_path)) {}

std::vector<std::string> SocketTransport::ListAdapters() {
  if (!SocketPathPresent(socket_path_)) return {};
  return {socket_path_};
}

int SocketTransport::Open(const std::string& path) {
  Close();
  StreamSocket socket;
  if (const int error = ConnectSocket(path, socket); error != kTransportOk) return error;
  socket_ = std::move(socket);
  opened_ = true;
  return kTransportOk;
}

void SocketTransport::Close() {
  socket_.reset();
  opened_ = false;
}

int SocketTransport::WriteReport(const Report& report, std::chrono::milliseconds timeout) {
  if (!opened_) return kSocketNotOpened;
  if (!socket_.valid()) return kSocketNotConnected;
  const Clock::time_point deadline = Clock::now() + timeout;
  std::size_t sent = 0;
  while (sent < report.size()) {
    if (const int wait = WaitForSocket(socket_, SocketReady::kToWrite, deadline); wait != kTransportOk) {
      if (sent > 0) socket_.reset();
      return wait;
    }
    const SocketIo io = SendSome(socket_, report.data() + sent, report.size() - sent);
    if (io.bytes < 0) {
      if (io.interrupted || io.would_block) continue;
      return io.error;
    }
    sent += static_cast<std::size_t>(io.bytes);
  }
  return kTransportOk;
}

int SocketTransport::ReadReport(Report& report, std::chrono::milliseconds timeout) {
  if (!opened_) return kSocketNotOpened;
  if (!socket_.valid()) return kSocketNotConnected;
  const Clock::time_point deadline = Clock::now() + timeout;
  Report frame{};
  std::size_t received = 0;
  while (received < frame.size()) {
    if (const int wait = WaitForSocket(socket_, SocketReady::kToRead, deadline); wait != kTransportOk) {
      if (received > 0) socket_.reset();
      return wait;
    }
    const SocketIo io = ReceiveSome(socket_, frame.data() + received, frame.size() - received);
    if (io.bytes < 0) {
      if (io.interrupted || io.would_block) continue;
      return io.error;
    }
    if (io.bytes == 0) {
      socket_.reset();
      if (received == 0) return kSocketPeerGone;
      break;
    }
    received += static_cast<std::size_t>(io.bytes);
  }
  report = frame;
  if (report[0] != 0) return kWrongReportId;
  if (received != frame.size()) return kWrongLength;
  return kTransportOk;
}

}  // namespace torvane::device
