#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace torvane::platform {

namespace {

std::string RuntimeFolder() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && runtime[0] == '/') {
    return runtime;
  }
  // A private folder, so another user cannot hold our lock by creating the file first.
  std::string folder = "/tmp/torvane-" + std::to_string(::getuid());
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return "/tmp";
  return folder;
}

}  // namespace

SingleInstance::~SingleInstance() {
  if (fd_ >= 0) ::close(fd_);
}

std::string SingleInstance::LockFilePath(std::string_view name) {
  std::string file;
  file.reserve(name.size() + 5);
  for (const char c : name) file.push_back(c == '/' || c == '\0' ? '_' : c);
  return RuntimeFolder() + "/" + file + ".lock";
}

std::unique_ptr<SingleInstance> SingleInstance::TryAcquire(std::string_view name, Outcome* outcome) {
  Outcome result = Outcome::kUnavailable;
  std::unique_ptr<SingleInstance> lock;
  const std::string path = LockFilePath(name);
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd >= 0) {
    int rc = 0;
    do {
      rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc == 0) {
      lock.reset(new SingleInstance(fd));
      result = Outcome::kAcquired;
    } else {
      result = errno == EWOULDBLOCK ? Outcome::kHeldElsewhere : Outcome::kUnavailable;
      ::close(fd);
    }
  }
  if (outcome != nullptr) *outcome = result;
  return lock;
}

}  // namespace torvane::platform
