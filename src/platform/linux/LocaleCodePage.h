#pragma once

#include <string>
#include <string_view>

namespace torvane::platform {

// The ANSI code page Windows gives a user of the language and territory of a
// POSIX locale name ("de_DE.UTF-8", "zh_TW", "sr_RS@latin", "C"): 1252 for
// Western languages, the C and POSIX locales and anything not listed.
unsigned AnsiCodePageForLocale(std::string_view locale);

// The locale that decides character types: LC_ALL, else LC_CTYPE, else LANG,
// as the C library reads them; "C" when none is set.
std::string UserCtypeLocale();

}  // namespace torvane::platform
