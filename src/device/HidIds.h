#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace torvane::device {

struct HidIds {
  std::uint16_t vendor_id = 0;
  std::uint16_t product_id = 0;
};

// A 16-bit id written in hex without prefix, as sysfs shows "idVendor" ("0e3a").
std::optional<std::uint16_t> ParseHexId(std::string_view text);

// The HID_ID property of a hid device, "bus:vendor:product" in hex
// ("0003:00000E3A:0000B372").
std::optional<HidIds> ParseHidIdProperty(std::string_view text);

}  // namespace torvane::device
