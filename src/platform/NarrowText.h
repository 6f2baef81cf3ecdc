#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/NarrowTextCodec.h"

namespace torvane::platform {

// Picks the codec of the user's ANSI code page (from the locale, as Windows
// picks it for the user's language) and makes the model cut names by its
// characters. Call once at start-up, before any name is stored or shown and
// before other threads start. Falls back to Windows-1252 when the C library
// has no converter for that code page; throws std::runtime_error when it has
// none for 1252 either.
const NarrowTextCodec& InstallNarrowTextCodec();

// The installed codec; Windows-1252, like the model's default, before that.
const NarrowTextCodec& CurrentNarrowTextCodec();

// A stored name or news text as UTF-8, with the installed codec.
std::string NarrowToUtf8(std::string_view narrow);
// Typed UTF-8 text as the bytes to store, with the installed codec.
std::string Utf8ToNarrow(std::string_view utf8);

// What each system provides for the above.

// The codec of one code page; nullptr when the system cannot convert it.
std::unique_ptr<NarrowTextCodec> CreateNarrowTextCodec(unsigned code_page);
// The ANSI code page of the user's language.
unsigned UserAnsiCodePage();

}  // namespace torvane::platform
