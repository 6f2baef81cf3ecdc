#pragma once

#include <string>
#include <string_view>

#include "model/tables/NarrowEncoding.h"

namespace torvane::platform {

// Converts the narrow text that records and files carry (configuration and
// macro names, the news texts) to UTF-8 and back, in one ANSI code page. Safe
// to use from any thread.
class NarrowTextCodec {
 public:
  virtual ~NarrowTextCodec() = default;

  // The Windows code page number: 1252, 936, ... (65001 for UTF-8).
  virtual unsigned code_page() const = 0;

  // Stored bytes to UTF-8; a byte sequence the code page does not allow
  // becomes U+FFFD.
  virtual std::string Decode(std::string_view narrow) const = 0;

  // UTF-8 text to the bytes to store; a character the code page cannot hold,
  // and a byte that is no UTF-8, becomes '?'. Cut the result with
  // model::CutName before storing it.
  virtual std::string Encode(std::string_view utf8) const = 0;

  // The character boundaries the model cuts names by.
  model::NarrowEncoding encoding() const { return model::NarrowEncoding(code_page()); }
};

}  // namespace torvane::platform
