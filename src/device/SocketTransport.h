#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "device/SocketTransportSystem.h"
#include "device/Transport.h"

namespace torvane::device {

// The transport contract over the stream socket of a virtual adapter served
// by another process: each report is exactly 65 bytes each way, request then
// answer. The socket file existing means the adapter is plugged in.
class SocketTransport final : public Transport {
 public:
  explicit SocketTransport(std::string socket_path);

  std::vector<std::string> ListAdapters() override;
  // Connects to `path`; 0 or the system's code (ENOENT when nothing is there).
  int Open(const std::string& path) override;
  void Close() override;
  // Time-outs give 258. A closed peer gives ENODEV; a frame cut short by the
  // peer closing gives -3. A time-out inside a frame drops the connection,
  // since the stream cannot find the next frame again (later transfers: ENOTCONN).
  // Before Open: EBADF. Windows gives its own codes for these (kSocket*).
  int WriteReport(const Report& report, std::chrono::milliseconds timeout) override;
  int ReadReport(Report& report, std::chrono::milliseconds timeout) override;

 private:
  const std::string socket_path_;
  StreamSocket socket_;
  bool opened_ = false;  // an Open succeeded and no Close followed
};

}  // namespace torvane::device
