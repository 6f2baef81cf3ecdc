#include "platform/AtomicFile.h"

#include <windows.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <memory>

#include "platform/windows/WideText.h"

namespace torvane::platform {

namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const {
    if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
  }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

int LastErrno() {
  return ErrnoOf(::GetLastError());
}

// Writes `bytes` to a new temporary file beside `target` and moves it there (replacing only with `replace`); the
// temporary file is gone again on failure.
FileReplacement WriteThenMove(const std::filesystem::path& target, std::span<const std::uint8_t> bytes, bool replace) {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path temporary =
      target.parent_path() / (L"." + target.filename().wstring() + L".tmp-" + std::to_wstring(::GetCurrentProcessId()) +
                              L"-" + std::to_wstring(counter.fetch_add(1)));
  const std::wstring temporary_name = temporary.wstring();
  {
    UniqueHandle file(
        ::CreateFileW(temporary_name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return {LastErrno(), false};
    int error = 0;
    while (error == 0 && !bytes.empty()) {
      DWORD written = 0;
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
      if (::WriteFile(file.get(), bytes.data(), chunk, &written, nullptr) == 0 || written == 0) {
        error = written == 0 && ::GetLastError() == ERROR_SUCCESS ? ENOSPC : LastErrno();
      }
      bytes = bytes.subspan(written);
    }
    if (error == 0 && ::FlushFileBuffers(file.get()) == 0) error = LastErrno();
    if (error != 0) {
      file.reset();
      ::DeleteFileW(temporary_name.c_str());
      return {error, true};
    }
  }
  const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
  if (::MoveFileExW(temporary_name.c_str(), target.wstring().c_str(), flags) == 0) {
    const int error = LastErrno();
    ::DeleteFileW(temporary_name.c_str());
    return {error, true};
  }
  return {0, true};
}

}  // namespace

int WriteFileAtomically(const std::string& folder, const std::string& name, std::span<const std::uint8_t> bytes) {
  return WriteThenMove(std::filesystem::path(Widen(folder)) / Widen(name), bytes, false).error;
}

FileReplacement ReplaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  const std::filesystem::path target(Widen(path));
  const DWORD attributes = ::GetFileAttributesW(target.wstring().c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {EISDIR, false};
  return WriteThenMove(target.has_parent_path() ? target : std::filesystem::path(".") / target, bytes, true);
}

}  // namespace torvane::platform
