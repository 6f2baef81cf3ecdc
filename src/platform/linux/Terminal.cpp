#include "platform/Terminal.h"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <memory>
#include <mutex>
#include <string>

#include "platform/linux/IconvText.h"

namespace torvane::platform {

namespace {

// The locale's character set, as the C library names it once the user's locale is in force.
std::string LocaleCharset() {
  static const std::string charset = [] {
    // Only the character type: number formats stay as the program set them.
    const char* previous = std::setlocale(LC_CTYPE, nullptr);
    const std::string kept = previous != nullptr ? previous : "C";
    std::setlocale(LC_CTYPE, "");
    std::string name = ::nl_langinfo(CODESET);
    std::setlocale(LC_CTYPE, kept.c_str());
    return name;
  }();
  return charset;
}

struct IconvCloser {
  void operator()(void* converter) const;
};

std::string Convert(const char* to, const char* from, std::string_view text) {
  static std::mutex mutex;
  const std::lock_guard lock(mutex);
  const std::unique_ptr<void, IconvCloser> converter(OpenIconv(to, from));
  if (!converter) return std::string(text);
  return ConvertWithIconv(converter.get(), text, "?", [](std::string_view) { return 1; });
}

// The plain C locale names ASCII, yet its terminals are UTF-8 nearly always: taken as UTF-8, as other
// programs take it, rather than turning every accent into '?'.
bool IsUtf8(const std::string& charset) {
  return charset == "UTF-8" || charset == "utf8" || charset == "ANSI_X3.4-1968";
}

}  // namespace

void IconvCloser::operator()(void* converter) const {
  CloseIconv(converter);
}

bool IsTerminal(StandardStream stream) {
  switch (stream) {
    case StandardStream::kInput:
      return ::isatty(STDIN_FILENO) == 1;
    case StandardStream::kOutput:
      return ::isatty(STDOUT_FILENO) == 1;
    case StandardStream::kError:
      return ::isatty(STDERR_FILENO) == 1;
  }
  return false;
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

std::string TerminalToUtf8(std::string_view text) {
  const std::string charset = LocaleCharset();
  return IsUtf8(charset) ? std::string(text) : Convert("UTF-8", charset.c_str(), text);
}

std::string Utf8ToTerminal(std::string_view utf8) {
  const std::string charset = LocaleCharset();
  return IsUtf8(charset) ? std::string(utf8) : Convert(charset.c_str(), "UTF-8", utf8);
}

}  // namespace torvane::platform
