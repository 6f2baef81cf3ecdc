#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

#include "model/tables/NarrowEncoding.h"

namespace torvane::platform {

// Converts the narrow text that records and files carry (configuration and
// macro names, the news texts) to display text and back, in one ANSI code
// page. Safe to use from any thread.
class NarrowTextCodec {
 public:
  virtual ~NarrowTextCodec() = default;

  // The Windows code page number: 1252, 936, ... (65001 for UTF-8).
  virtual unsigned code_page() const = 0;

  // Stored bytes to display text; a byte sequence the code page does not
  // allow becomes U+FFFD.
  virtual QString Decode(std::string_view narrow) const = 0;

  // Typed text to the bytes to store; a character the code page cannot hold
  // becomes '?'. Cut the result with model::CutName before storing it.
  virtual std::string Encode(QStringView text) const = 0;

  // The character boundaries the model cuts names by.
  model::NarrowEncoding encoding() const { return model::NarrowEncoding(code_page()); }
};

}  // namespace torvane::platform
