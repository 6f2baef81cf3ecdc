#pragma once

namespace torvane::model {

// Host types: the console a configuration or the adapter serves. Stored in
// three bits, so records read from an adapter may carry 5..7 too.
inline constexpr int kHostPS4 = 0;
inline constexpr int kHostXboxOne = 1;
inline constexpr int kHostPS3 = 2;
inline constexpr int kHostXbox360 = 3;
inline constexpr int kHostSwitch = 4;
inline constexpr int kHostCount = 5;

constexpr bool IsKnownHost(int host) { return host >= 0 && host < kHostCount; }

}  // namespace torvane::model
