#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "device/UniqueFd.h"

namespace torvane::platform {

namespace {

int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return 0;
}

// Moves `from` to `to` inside one folder unless `to` exists.
int MoveNoReplace(int folder, const std::string& from, const std::string& to) {
  if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // File systems without the flag: a hard link refuses an existing name as well.
  if (::linkat(folder, from.c_str(), folder, to.c_str(), 0) != 0) return errno;
  ::unlinkat(folder, from.c_str(), 0);
  return 0;
}

}  // namespace

int WriteFileAtomically(const std::string& folder, const std::string& name, std::span<const std::uint8_t> bytes) {
  device::UniqueFd directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!directory.valid()) return errno;
  static std::atomic<unsigned> counter{0};
  const std::string temporary =
      "." + name + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
  device::UniqueFd file(
      ::openat(directory.get(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR));
  if (!file.valid()) return errno;
  int error = WriteAll(file.get(), bytes);
  if (error == 0 && ::fsync(file.get()) != 0) error = errno;
  file.reset();  // after fsync nothing is left for close to report
  if (error == 0) error = MoveNoReplace(directory.get(), temporary, name);
  if (error != 0) {
    ::unlinkat(directory.get(), temporary.c_str(), 0);
    return error;
  }
  // The new name itself lives in the folder.
  return ::fsync(directory.get()) == 0 ? 0 : errno;
}

}  // namespace torvane::platform
