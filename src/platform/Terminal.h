#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvane::platform {

// The standard streams, for asking whether a person sits at them.
enum class StandardStream { kInput, kOutput, kError };

bool IsTerminal(StandardStream stream);

// The program's arguments after its name, as the terminal gave them (Linux) or as UTF-8 (Windows, from the wide
// command line, so no name is lost to the ANSI code page).
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Text as the terminal takes and gives it (the character set of the user's locale) and UTF-8. Characters the
// other side lacks become '?'.
std::string TerminalToUtf8(std::string_view text);
std::string Utf8ToTerminal(std::string_view utf8);

}  // namespace torvane::platform
