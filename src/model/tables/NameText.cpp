#include "model/tables/NameText.h"

#include <algorithm>
#include <cstring>

namespace torvane::model {

std::string_view ReadName(std::span<const char> field) {
  const auto end = std::find(field.begin(), field.end(), '\0');
  return std::string_view(field.data(), static_cast<std::size_t>(end - field.begin()));
}

std::string_view CutName(std::string_view text, std::size_t max_chars, std::size_t max_bytes, NarrowEncoding encoding) {
  text = text.substr(0, text.find('\0'));
  std::size_t end = 0;
  std::size_t chars = 0;
  while (end < text.size() && chars < max_chars) {
    const std::size_t next = end + encoding.CharacterSize(text, end);
    if (next > max_bytes) break;
    end = next;
    ++chars;
  }
  return text.substr(0, end);
}

void StoreName(std::span<char> field, std::string_view text, std::size_t max_chars, NarrowEncoding encoding) {
  if (field.empty()) return;
  const std::string_view cut = CutName(text, max_chars, field.size() - 1, encoding);
  // The text may be a view into the field itself, so move it before zeroing the rest.
  if (!cut.empty()) std::memmove(field.data(), cut.data(), cut.size());
  std::fill(field.begin() + static_cast<std::ptrdiff_t>(cut.size()), field.end(), '\0');
}

}  // namespace torvane::model
