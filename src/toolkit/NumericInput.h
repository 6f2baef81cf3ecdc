#pragma once

#include <QStringView>
#include <QValidator>

#include <optional>

namespace torvane::toolkit {

// Whether `text` may stand in a digits-only field limited to min..max while the player types: empty, or decimal
// digits without a leading zero (a lone "0" only when 0 is in range) that are a number in range or the start of
// one. A keystroke that would leave this set is refused, so the field never holds a number above the maximum or
// one that can no longer reach the minimum. Without limits any digit string is accepted.
bool IsAcceptableNumberText(QStringView text, std::optional<long long> min, std::optional<long long> max);

// The validator a digits-only edit installs.
class NumericRangeValidator : public QValidator {
 public:
  explicit NumericRangeValidator(QObject* parent = nullptr) : QValidator(parent) {}
  void SetRange(std::optional<long long> min, std::optional<long long> max);
  State validate(QString& input, int& pos) const override;

 private:
  std::optional<long long> min_;
  std::optional<long long> max_;
};

}  // namespace torvane::toolkit
