#include "model/params/SteeringAngle.h"

namespace torvane::model {

std::optional<int> AngleToChoice(std::uint16_t angle) {
  for (std::size_t i = 0; i < kSteeringAngleChoiceValues.size(); ++i) {
    if (kSteeringAngleChoiceValues[i] == angle) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<std::uint16_t> ChoiceToAngle(int choice) {
  if (choice < 0 || choice >= static_cast<int>(kSteeringAngleChoiceValues.size())) return std::nullopt;
  return kSteeringAngleChoiceValues[static_cast<std::size_t>(choice)];
}

}  // namespace torvane::model
