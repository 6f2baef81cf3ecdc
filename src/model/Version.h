#pragma once

#include <cstdint>

namespace torvane::model {

// Three unsigned bytes: major, minor, patch.
struct Version {
  std::uint8_t major = 0;
  std::uint8_t minor = 0;
  std::uint8_t patch = 0;

  friend constexpr bool operator==(const Version&, const Version&) = default;
};
static_assert(sizeof(Version) == 3);

// Results of CompareVersion.
inline constexpr int kVersionOlder = 0;
inline constexpr int kVersionNewer = 1;
inline constexpr int kVersionEqual = 2;

// 1 when `candidate` is higher than `reference`, 2 when equal, 0 when lower;
// major first, then minor, then patch.
constexpr int CompareVersion(const Version& reference, const Version& candidate) {
  if (candidate.major != reference.major) return candidate.major > reference.major ? kVersionNewer : kVersionOlder;
  if (candidate.minor != reference.minor) return candidate.minor > reference.minor ? kVersionNewer : kVersionOlder;
  if (candidate.patch != reference.patch) return candidate.patch > reference.patch ? kVersionNewer : kVersionOlder;
  return kVersionEqual;
}

// This manager's version, which is also the version of the firmware image it carries.
inline constexpr Version kManagerVersion{4, 5, 118};
// Format versions this manager writes.
inline constexpr Version kConfigFormatVersion{2, 0, 0};
inline constexpr Version kMacroFormatVersion{1, 10, 0};
inline constexpr Version kResponseFormatVersion{2, 0, 0};
inline constexpr Version kCurveFormatVersion{1, 10, 0};

}  // namespace torvane::model
