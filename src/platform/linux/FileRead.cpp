#include "platform/FileReadSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "device/UniqueFd.h"

namespace torvane::platform {

FileRead ReadRegularFile(const std::string& path, const std::function<bool(std::size_t)>& fits) {
  FileRead read;
  // Opened first, so a file that cannot be read says so whatever its size; without blocking, since a FIFO opens
  // too, and is then refused by its kind.
  const device::UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file.valid()) {
    read.system_error = errno;
    return read;
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || !fits(static_cast<std::size_t>(info.st_size))) {
    read.outcome = FileRead::Outcome::kWrongSize;
    return read;
  }
  read.bytes.resize(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (done < read.bytes.size()) {
    const ssize_t got = ::read(file.get(), read.bytes.data() + done, read.bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      read.outcome = FileRead::Outcome::kShort;
      read.system_error = got < 0 ? errno : 0;
      read.bytes.clear();
      return read;
    }
    done += static_cast<std::size_t>(got);
  }
  read.outcome = FileRead::Outcome::kRead;
  return read;
}

}  // namespace torvane::platform
