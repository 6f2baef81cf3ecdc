#pragma once

#include <mutex>
#include <string>

namespace torvane::device {

// The device link's record shared by the UI thread and the worker: the path
// of the remembered adapter (written by the presence logic, read by the worker
// when it opens the adapter) and the last error text (written by the worker
// before it reports a failure, read by the UI on that result). Both are short
// strings that the two threads may touch at any moment, so they sit under a
// small lock. The large buffers are never shared: a read hands its result over
// whole, and a write carries its own copy of the plan.
class DeviceContext {
 public:
  std::string device_path() const;
  void set_device_path(std::string path);

  std::string last_error() const;
  void set_last_error(std::string text);

 private:
  mutable std::mutex mutex_;
  std::string device_path_;
  std::string last_error_;
};

}  // namespace torvane::device
