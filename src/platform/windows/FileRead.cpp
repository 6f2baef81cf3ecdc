#include "platform/FileReadSystem.h"

#include <windows.h>

#include <memory>

#include "platform/windows/WideText.h"

namespace torvane::platform {

namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const {
    if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
  }
};

}  // namespace

FileRead ReadRegularFile(const std::string& path, const std::function<bool(std::size_t)>& fits) {
  FileRead read;
  // Opened first, so a file that cannot be read says so whatever its size; a folder does not open at all.
  const std::unique_ptr<void, HandleCloser> file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    read.system_error = ErrnoOf(::GetLastError());
    return read;
  }
  LARGE_INTEGER size{};
  // A pipe or a device is no file of a size.
  if (::GetFileType(file.get()) != FILE_TYPE_DISK || ::GetFileSizeEx(file.get(), &size) == 0 ||
      !fits(static_cast<std::size_t>(size.QuadPart))) {
    read.outcome = FileRead::Outcome::kWrongSize;
    return read;
  }
  read.bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < read.bytes.size()) {
    DWORD got = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(read.bytes.size() - done, 1u << 20));
    if (::ReadFile(file.get(), read.bytes.data() + done, chunk, &got, nullptr) == 0 || got == 0) {
      read.outcome = FileRead::Outcome::kShort;
      read.system_error = got == 0 && ::GetLastError() == ERROR_SUCCESS ? 0 : ErrnoOf(::GetLastError());
      read.bytes.clear();
      return read;
    }
    done += got;
  }
  read.outcome = FileRead::Outcome::kRead;
  return read;
}

}  // namespace torvane::platform
