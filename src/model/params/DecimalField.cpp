#include "model/params/DecimalField.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <utility>

#include "model/params/TextTrim.h"

namespace torvane::model {

namespace {

// What printf's "% <width>.<decimals>f" writes in the C locale: a blank in
// place of the sign of a non-negative number, blanks on the left up to `width`.
// snprintf would follow the process locale and write a decimal comma in many.
std::string FormatFixed(double value, int decimals, std::size_t width) {
  std::array<char, 32> digits{};  // a 16-bit value over 10 or 100 needs far fewer
  char* end =
      std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed, decimals).ptr;
  std::string text(digits.data(), end);
  if (text.front() != '-') text.insert(text.begin(), ' ');
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace

std::string FormatHundredths(std::uint16_t value) {
  return FormatFixed(value / 100.0, 2, 5);
}

std::string FormatTenths(std::int16_t value) {
  return FormatFixed(value / 10.0, 1, 5);
}

ParsedField<double> ParseDecimal(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return {FieldStatus::kBlank};
  bool negative = false;
  if (text.front() == '+' || text.front() == '-') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // from_chars takes no sign of its own here and would accept "inf" and "nan".
  if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) {
    return {FieldStatus::kNotANumber};
  }
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error == std::errc::invalid_argument || end != text.data() + text.size()) return {FieldStatus::kNotANumber};
  if (error != std::errc{} || !std::isfinite(value)) return {FieldStatus::kOutOfRange};
  return {FieldStatus::kValue, negative ? -value : value};
}

ParsedField<std::uint16_t> ParseHundredths(std::string_view text) {
  const ParsedField<double> number = ParseDecimal(text);
  if (!number.ok()) return {number.status};
  // The 0.001 lifts entries such as 0.29, whose binary value lies just below.
  const double scaled = std::trunc((number.value + 0.001) * 100.0);
  if (!(scaled >= kMinHundredths && scaled <= kMaxHundredths)) return {FieldStatus::kOutOfRange};
  return {FieldStatus::kValue, static_cast<std::uint16_t>(scaled)};
}

ParsedField<ShownTenths> ParseTenths(std::string_view text) {
  const ParsedField<double> number = ParseDecimal(text);
  if (!number.ok()) return {number.status};
  const double product = number.value * 10.0;
  // A double beyond the float range has no float to become.
  if (!(std::fabs(product) <= 2.0 * kMaxTenths)) return {FieldStatus::kOutOfRange};
  const auto scaled = static_cast<float>(product);
  if (!(scaled >= kMinTenths && scaled <= kMaxTenths)) return {FieldStatus::kOutOfRange};
  // The field shows the single-precision quotient, so a typed "12.35" shows " 12.4" where the double would show
  // " 12.3"; the value is read back from that text, so what is stored is what the player saw.
  ShownTenths shown{0, FormatFixed(static_cast<double>(scaled / 10.0f), 1, 5)};
  const ParsedField<double> rounded = ParseDecimal(shown.text);
  shown.value = static_cast<std::int16_t>(std::lround(rounded.value * 10.0));
  return {FieldStatus::kValue, std::move(shown)};
}

}  // namespace torvane::model
