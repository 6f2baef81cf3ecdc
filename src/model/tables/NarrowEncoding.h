#pragma once

#include <cstddef>
#include <string_view>

namespace torvane::model {

// Where the characters of narrow text begin and end. Names in records and files
// are narrow text in the user's ANSI code page (files made on another system
// carry theirs), so cutting a name to a length must not split a character:
// single-byte code pages hold one character per byte, the double-byte code
// pages 932, 936, 949 and 950 take a trail byte after each lead byte, and
// UTF-8 (65001) takes continuation bytes after each lead byte.
class NarrowEncoding {
 public:
  static constexpr unsigned kWestern = 1252;
  static constexpr unsigned kUtf8 = 65001;

  constexpr explicit NarrowEncoding(unsigned code_page = kWestern) : code_page_(code_page) {}

  constexpr unsigned code_page() const { return code_page_; }

  // Bytes of the character that starts at `pos` (which must be inside `text`):
  // at least 1 and never past the end, so a lead byte whose trail is missing,
  // or a stray continuation byte, is a character of its own.
  std::size_t CharacterSize(std::string_view text, std::size_t pos) const;

  // The encoding every name is cut by. Windows-1252, as on a Western system,
  // until the program sets the user's at start-up, before other threads run.
  static NarrowEncoding Current();
  static void SetCurrent(NarrowEncoding encoding);

 private:
  bool IsDoubleByteLead(unsigned char byte) const;

  unsigned code_page_;
};

}  // namespace torvane::model
