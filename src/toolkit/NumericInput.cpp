#include "toolkit/NumericInput.h"

#include <algorithm>
#include <limits>

namespace torvane::toolkit {

namespace {

constexpr int kMaxDigits = 18;  // stays inside long long while appending digits

long long Pow10(int n) {
  long long value = 1;
  for (int i = 0; i < n; ++i) value *= 10;
  return value;
}

int DigitCount(long long value) {
  int digits = 1;
  while (value >= 10) {
    value /= 10;
    ++digits;
  }
  return digits;
}

}  // namespace

bool IsAcceptableNumberText(QStringView text, std::optional<long long> min, std::optional<long long> max) {
  if (text.isEmpty()) return true;
  if (text.size() > kMaxDigits) return false;
  long long value = 0;
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return false;
    value = value * 10 + (c.unicode() - u'0');
  }
  if (text.size() > 1 && text[0] == u'0') return false;
  const long long lo = min.value_or(0);
  const long long hi = max.value_or(std::numeric_limits<long long>::max());
  if (lo > hi) return false;
  if (value > hi) return false;
  if (value >= lo) return true;
  if (value == 0) return false;  // "0" below the minimum: appended digits would make a leading zero
  // Below the minimum: acceptable when appending k digits can land in range, i.e. the numbers
  // value*10^k .. value*10^k + 10^k - 1 meet lo..hi for some k.
  const int room = std::min(DigitCount(hi), kMaxDigits) - static_cast<int>(text.size());
  for (int k = 1; k <= room; ++k) {
    const long long scale = Pow10(k);
    const long long first = value * scale;
    const long long last = first + scale - 1;
    if (first > hi) break;
    if (last >= lo) return true;
  }
  return false;
}

void NumericRangeValidator::SetRange(std::optional<long long> min, std::optional<long long> max) {
  min_ = min;
  max_ = max;
  changed();
}

QValidator::State NumericRangeValidator::validate(QString& input, int& /*pos*/) const {
  return IsAcceptableNumberText(input, min_, max_) ? Acceptable : Invalid;
}

}  // namespace torvane::toolkit
