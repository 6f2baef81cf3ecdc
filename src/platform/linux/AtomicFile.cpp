#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>

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

int MoveReplacing(int folder, const std::string& from, const std::string& to) {
  return ::renameat(folder, from.c_str(), folder, to.c_str()) == 0 ? 0 : errno;
}

// Writes the temporary file in `folder` and hands it to `move`; the temporary file is gone again on failure.
// With `keep_mode` the file gets exactly `mode`, past the umask, as the file it replaces had it.
FileReplacement WriteThenMove(const std::string& folder, const std::string& name, std::span<const std::uint8_t> bytes,
                              mode_t mode, bool keep_mode, int (*move)(int, const std::string&, const std::string&)) {
  device::UniqueFd directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!directory.valid()) return {errno, false};
  static std::atomic<unsigned> counter{0};
  const std::string temporary =
      "." + name + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1));
  device::UniqueFd file(::openat(directory.get(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
  if (!file.valid()) return {errno, false};
  int error = keep_mode && ::fchmod(file.get(), mode) != 0 ? errno : 0;
  if (error == 0) error = WriteAll(file.get(), bytes);
  if (error == 0 && ::fsync(file.get()) != 0) error = errno;
  file.reset();  // after fsync nothing is left for close to report
  if (error == 0) error = move(directory.get(), temporary, name);
  if (error != 0) {
    ::unlinkat(directory.get(), temporary.c_str(), 0);
    return {error, true};
  }
  // The new name itself lives in the folder.
  return {::fsync(directory.get()) == 0 ? 0 : errno, true};
}

struct FreeDeleter {
  void operator()(char* text) const { std::free(text); }
};

}  // namespace

int WriteFileAtomically(const std::string& folder, const std::string& name, std::span<const std::uint8_t> bytes) {
  return WriteThenMove(folder, name, bytes, S_IRUSR | S_IWUSR, false, MoveNoReplace).error;
}

FileReplacement ReplaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::string target = path;
  // A new file gets what the user's umask allows, an existing one keeps its permissions.
  mode_t mode = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;
  bool existed = false;
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    existed = true;
    if (S_ISDIR(info.st_mode)) return {EISDIR, false};
    if (!S_ISREG(info.st_mode)) return {EINVAL, false};
    mode = info.st_mode & 07777;
    const std::unique_ptr<char, FreeDeleter> resolved(::realpath(path.c_str(), nullptr));
    if (!resolved) return {errno, false};
    target = resolved.get();
  } else if (errno != ENOENT) {
    return {errno, false};
  }
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  if (name.empty()) return {EISDIR, false};
  return WriteThenMove(folder, name, bytes, mode, existed, MoveReplacing);
}

}  // namespace torvane::platform
