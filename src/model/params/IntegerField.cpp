#include "model/params/IntegerField.h"

#include <charconv>

#include "model/params/TextTrim.h"

namespace torvane::model {

std::string FormatInteger(int value) {
  return std::to_string(value);
}

ParsedField<int> ParseInteger(std::string_view text, IntRange range) {
  text = TrimBlanks(text);
  if (text.empty()) return {FieldStatus::kBlank};
  // from_chars accepts '-' but not '+'.
  if (text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return {FieldStatus::kNotANumber};
  }
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::invalid_argument || end != text.data() + text.size()) return {FieldStatus::kNotANumber};
  if (error != std::errc{} || !range.contains(value)) return {FieldStatus::kOutOfRange};
  return {FieldStatus::kValue, value};
}

}  // namespace torvane::model
