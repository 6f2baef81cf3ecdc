#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/params/ParsedField.h"

namespace torvane::model {

// Sensitivities and ratios: hundredths, 0.01 ~ 50.00.
inline constexpr int kMinHundredths = 1;
inline constexpr int kMaxHundredths = 5000;
// Minimum speeds: tenths, -100.0 ~ 100.0.
inline constexpr int kMinTenths = -1000;
inline constexpr int kMaxTenths = 1000;

// The texts always use a decimal point, whatever the process locale says.

// "% 5.2f" of value / 100, e.g. " 0.01".
std::string FormatHundredths(std::uint16_t value);
// The typed number plus 0.001, times 100, truncated toward zero; kOutOfRange
// when that leaves 1..5000.
ParsedField<std::uint16_t> ParseHundredths(std::string_view text);

// "% 5.1f" of value / 10, e.g. "  0.0", "-100.0".
std::string FormatTenths(std::int16_t value);

// A typed minimum speed as its field shows it once left, and the tenths that
// text stands for.
struct ShownTenths {
  std::int16_t value = 0;
  std::string text;
};
// t, the typed number times 10 in single precision, shown as "% 5.1f" of
// t / 10: rounded, not truncated ("12.36" shows " 12.4" and stands for 124,
// "-0.05" shows " -0.1"). kOutOfRange when t leaves -1000..1000 (so "-100.01"
// is refused).
ParsedField<ShownTenths> ParseTenths(std::string_view text);

// A plain decimal number: optional blanks, an optional sign, digits with at
// most one decimal point, optional blanks; no exponent, no inf or nan.
// kOutOfRange only for a number too large for a double.
ParsedField<double> ParseDecimal(std::string_view text);

}  // namespace torvane::model
