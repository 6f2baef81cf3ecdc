#include "platform/Terminal.h"

#include <io.h>
#include <windows.h>
// CommandLineToArgvW.
#include <shellapi.h>

#include <cstdio>

#include "platform/windows/WideText.h"

namespace torvane::platform {

bool IsTerminal(StandardStream stream) {
  switch (stream) {
    case StandardStream::kInput:
      return ::_isatty(::_fileno(stdin)) != 0;
    case StandardStream::kOutput:
      return ::_isatty(::_fileno(stdout)) != 0;
    case StandardStream::kError:
      return ::_isatty(::_fileno(stderr)) != 0;
  }
  return false;
}

std::vector<std::string> ProgramArguments(int /*argc*/, char** /*argv*/) {
  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide != nullptr && i < count; ++i) arguments.push_back(Narrow(wide[i]));
  ::LocalFree(wide);
  return arguments;
}

// The program takes its arguments as UTF-8 (the command line's wide text, converted at start).
std::string TerminalToUtf8(std::string_view text) {
  return std::string(text);
}

// A console shows its output code page; a file or pipe gets UTF-8.
std::string Utf8ToTerminal(std::string_view utf8) {
  if (!IsTerminal(StandardStream::kOutput) && !IsTerminal(StandardStream::kError)) return std::string(utf8);
  const UINT code_page = ::GetConsoleOutputCP();
  if (code_page == CP_UTF8 || code_page == 0) return std::string(utf8);
  const std::wstring wide = Widen(utf8);
  const int length =
      ::WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, "?", nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, "?", nullptr);
  return text;
}

}  // namespace torvane::platform
