#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace torvane::device {

// The texts that identify an adapter in a device interface path of the
// Windows form ("\\?\HID#VID_0E3A&PID_B372#..."), in the order the removal
// test tries them.
inline constexpr std::array<std::string_view, 2> kAdapterPathTexts{"VID_0E3A&PID_B370", "VID_0E3A&PID_B372"};

std::string ToUpperAscii(std::string_view text);

// Whether the upper-cased path names an adapter (either product id).
bool IsAdapterPath(std::string_view path);

bool IsAdapterIds(std::uint16_t vendor_id, std::uint16_t product_id);

// Whether both paths carry the same adapter text: the removal test, which
// compares product ids only, not the full paths.
bool ShareAdapterText(std::string_view first, std::string_view second);

}  // namespace torvane::device
