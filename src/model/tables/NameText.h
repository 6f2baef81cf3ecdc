#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "model/tables/NarrowEncoding.h"

namespace torvane::model {

// Character limits of the name fields. Names are narrow text in the user's
// ANSI code page (NarrowEncoding); a character may take more than one byte.
// The platform's narrow text codec turns them into display text and back.
inline constexpr std::size_t kNewConfigNameChars = 39;     // creation, copy, import
inline constexpr std::size_t kEditedConfigNameChars = 38;  // the editing page
inline constexpr std::size_t kMacroNameChars = 28;

// The text of a NUL-padded field: up to the first NUL, or the whole field when
// it has none (records read from the adapter may lack the terminator).
std::string_view ReadName(std::span<const char> field);

// The longest prefix of `text` with at most `max_chars` characters and at most
// `max_bytes` bytes that ends on a character boundary of `encoding`; stops at
// an embedded NUL.
std::string_view CutName(std::string_view text, std::size_t max_chars, std::size_t max_bytes,
                         NarrowEncoding encoding = NarrowEncoding::Current());

// Zeroes `field` and stores the cut of `text` to `max_chars` characters; at
// most field size - 1 bytes, so the terminating zero always stays.
void StoreName(std::span<char> field, std::string_view text, std::size_t max_chars,
               NarrowEncoding encoding = NarrowEncoding::Current());

}  // namespace torvane::model
