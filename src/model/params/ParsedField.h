#pragma once

namespace torvane::model {

// What became of the text typed into a number field. The editors treat the
// cases differently: blank text shows the stored value again, text that is not
// a number may count as 0, and a number outside the range keeps the stored value.
enum class FieldStatus {
  kValue,       // a number inside the range
  kBlank,       // nothing but blanks
  kNotANumber,  // any other text that is not a plain number
  kOutOfRange,  // a number outside the range, or too large for any range
};

template <typename T>
struct ParsedField {
  FieldStatus status = FieldStatus::kNotANumber;
  T value{};  // the number for kValue; 0 otherwise

  bool ok() const { return status == FieldStatus::kValue; }
  T value_or(T fallback) const { return ok() ? value : fallback; }
};

}  // namespace torvane::model
