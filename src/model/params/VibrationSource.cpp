#include "model/params/VibrationSource.h"

namespace torvane::model {

std::string_view VibrationSourceName(int source) {
  if (source < 0 || source >= static_cast<int>(kVibrationSourceNames.size())) return {};
  return kVibrationSourceNames[static_cast<std::size_t>(source)];
}

}  // namespace torvane::model
