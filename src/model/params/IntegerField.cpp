#include "model/params/IntegerField.h"

#include <charconv>

#include "model/params/TextTrim.h"

namespace torvane::model {

std::string FormatInteger(int value) {
  return std::to_string(value);
}

std::optional<int> ParseInteger(std::string_view text, IntRange range) {
  text = TrimBlanks(text);
  // from_chars accepts '-' but not '+'.
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  if (!range.contains(value)) return std::nullopt;
  return value;
}

}  // namespace torvane::model
