#include "device/DeviceContext.h"

#include <utility>

namespace torvane::device {

std::string DeviceContext::device_path() const {
  std::lock_guard lock(mutex_);
  return device_path_;
}

void DeviceContext::set_device_path(std::string path) {
  std::lock_guard lock(mutex_);
  device_path_ = std::move(path);
}

std::string DeviceContext::last_error() const {
  std::lock_guard lock(mutex_);
  return last_error_;
}

void DeviceContext::set_last_error(std::string text) {
  std::lock_guard lock(mutex_);
  last_error_ = std::move(text);
}

}  // namespace torvane::device
