#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/SocketTransportSystem.h"
#include "emulator/VirtualAdapter.h"

namespace torvane::emulator {

// Serves one VirtualAdapter on the adapter socket (device/SocketTransportSystem.h), one client at a time:
// 65 bytes in, at most 65 bytes out, per request. The socket file exists
// exactly while the adapter is plugged in; an unplug closes the client and
// removes it, a plug-in creates it anew.
class SocketServer {
 public:
  SocketServer(VirtualAdapter& adapter, std::string socket_path);
  ~SocketServer();
  SocketServer(const SocketServer&) = delete;
  SocketServer& operator=(const SocketServer&) = delete;

  // Time each report spends on the way, in either direction. Set before Start.
  void set_latency(std::chrono::microseconds each_way) { latency_ = each_way; }

  // Creates the socket (when the adapter is plugged in) and starts serving on
  // a thread of its own. False with `error` set when the path is unusable: too
  // long, not a socket, or served by someone else. A stale socket is replaced.
  bool Start(std::string& error);
  // Closes the client, removes the socket file and ends the thread.
  void Stop();
  // The last failure to create the socket after a plug-in, if any.
  std::string last_error() const;

 private:
  void Run();
  void FollowPlugState();
  bool Listen(std::string& error);
  void StopListening();
  void AcceptClient();
  void ReadFromClient();
  void Answer(const device::Report& request);
  void DropClient();
  void Wake();
  void SetError(std::string error);

  VirtualAdapter& adapter_;
  const std::string path_;
  std::chrono::microseconds latency_{0};
  std::atomic<bool> stopping_{false};
  std::thread thread_;

  // Used by the serving thread only once it runs.
  device::SocketWaker waker_;
  device::StreamSocket listen_;
  std::uint64_t listen_generation_ = 0;
  device::StreamSocket client_;
  std::uint64_t client_generation_ = 0;
  std::vector<std::uint8_t> incoming_;

  mutable std::mutex error_mutex_;
  std::string error_;
};

}  // namespace torvane::emulator
