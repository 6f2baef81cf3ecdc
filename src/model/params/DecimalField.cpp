#include "model/params/DecimalField.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "model/params/TextTrim.h"

namespace torvane::model {

std::string FormatHundredths(std::uint16_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "% 5.2f", value / 100.0);
  return text;
}

std::string FormatTenths(std::int16_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "% 5.1f", value / 10.0);
  return text;
}

std::optional<double> ParseDecimal(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // from_chars takes no sign of its own here and would accept "inf" and "nan".
  if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) {
    return std::nullopt;
  }
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

std::optional<std::uint16_t> ParseHundredths(std::string_view text) {
  const std::optional<double> number = ParseDecimal(text);
  if (!number) return std::nullopt;
  // The 0.001 lifts entries such as 0.29, whose binary value lies just below.
  const double scaled = std::trunc((*number + 0.001) * 100.0);
  if (!(scaled >= kMinHundredths && scaled <= kMaxHundredths)) return std::nullopt;
  return static_cast<std::uint16_t>(scaled);
}

std::optional<std::int16_t> ParseTenths(std::string_view text) {
  const std::optional<double> number = ParseDecimal(text);
  if (!number) return std::nullopt;
  // Rounded, not truncated: 2.3 x 10 is 22.999... in binary.
  const double scaled = std::round(*number * 10.0);
  if (!(scaled >= kMinTenths && scaled <= kMaxTenths)) return std::nullopt;
  return static_cast<std::int16_t>(scaled);
}

}  // namespace torvane::model
