#pragma once

#include <windows.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

namespace torvane::testing {

// What Stop gives when the request to end could not be sent.
inline constexpr int kStopNotSent = -2;

// Arguments and environment are UTF-8, as on Linux (a path's own conversion
// would take them for the ANSI code page).
inline std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int size = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

// Spawned (support/Spawned.h) on Windows: a program started in a process group
// of its own, so Stop can send it Ctrl+Break without reaching the test itself.
class Spawned {
 public:
  Spawned(const std::vector<std::string>& args, const std::filesystem::path& output,
          const std::filesystem::path& errors, const std::filesystem::path& input,
          const std::vector<std::string>& env) {
    std::wstring command;
    for (const std::string& arg : args) {
      if (!command.empty()) command += L' ';
      command += L'"' + Wide(arg) + L'"';
    }
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE child_input = INVALID_HANDLE_VALUE;
    if (input.empty()) {
      if (::CreatePipe(&child_input, &input_, &inherited, 0)) ::SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
    } else {
      child_input = Open(input, GENERIC_READ, OPEN_EXISTING, inherited);
    }
    const HANDLE child_output = Open(output, GENERIC_WRITE, CREATE_ALWAYS, inherited);
    const HANDLE child_errors = Open(errors, GENERIC_WRITE, CREATE_ALWAYS, inherited);

    std::wstring environment;
    for (const std::string& entry : env) environment += Wide(entry) + L'\0';
    if (wchar_t* own = ::GetEnvironmentStringsW(); own != nullptr) {
      for (const wchar_t* entry = own; *entry != L'\0'; entry += std::wcslen(entry) + 1) {
        environment += std::wstring(entry) + L'\0';
      }
      ::FreeEnvironmentStringsW(own);
    }
    environment += L'\0';

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = child_input;
    startup.hStdOutput = child_output;
    startup.hStdError = child_errors;
    // The program ends with the test even when the test is killed, as children on Windows outlive their parent.
    job_ = ::CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job_ != nullptr) ::SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
    PROCESS_INFORMATION process{};
    if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE,
                         CREATE_NEW_PROCESS_GROUP | CREATE_UNICODE_ENVIRONMENT | CREATE_SUSPENDED, environment.data(),
                         nullptr, &startup, &process)) {
      if (job_ != nullptr) ::AssignProcessToJobObject(job_, process.hProcess);
      ::ResumeThread(process.hThread);
      process_ = process.hProcess;
      id_ = process.dwProcessId;
      ::CloseHandle(process.hThread);
    }
    for (const HANDLE handle : {child_input, child_output, child_errors}) {
      if (handle != INVALID_HANDLE_VALUE) ::CloseHandle(handle);
    }
  }
  ~Spawned() {
    if (input_ != nullptr) ::CloseHandle(input_);
    if (process_ != nullptr) {
      ::TerminateProcess(process_, 1);
      ::WaitForSingleObject(process_, INFINITE);
      ::CloseHandle(process_);
    }
    if (job_ != nullptr) ::CloseHandle(job_);
  }
  Spawned(const Spawned&) = delete;
  Spawned& operator=(const Spawned&) = delete;

  bool started() const { return process_ != nullptr; }
  bool Type(const std::string& line) {
    const std::string text = line + "\n";
    DWORD written = 0;
    return ::WriteFile(input_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size();
  }
  // SIGINT and SIGTERM both become Ctrl+Break, the one a process group can be
  // sent. Without a console (Wine under a test runner) nothing carries it.
  int Stop(int signal) {
    if ((signal != SIGINT && signal != SIGTERM) || !::GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, id_)) {
      return kStopNotSent;
    }
    return Wait();
  }
  // The exit code; -1 when there is none.
  int Wait() {
    if (process_ == nullptr) return -1;
    ::WaitForSingleObject(process_, INFINITE);
    DWORD code = 0;
    const bool known = ::GetExitCodeProcess(process_, &code);
    ::CloseHandle(process_);
    process_ = nullptr;
    return known ? static_cast<int>(code) : -1;
  }

 private:
  static HANDLE Open(const std::filesystem::path& path, DWORD access, DWORD disposition,
                     SECURITY_ATTRIBUTES& inherited) {
    return ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, disposition,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  }

  HANDLE job_ = nullptr;
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  HANDLE input_ = nullptr;
};

}  // namespace torvane::testing
