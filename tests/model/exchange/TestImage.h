#pragma once

#include <algorithm>
#include <memory>
#include <string_view>

#include "model/FlashImage.h"
#include "model/HostType.h"

namespace torvane::model::testing {

// A flash image as a fresh adapter holds it: empty tables, default global
// hotkeys (PgUp, PgDn, F12, ...), serving `host`.
inline std::unique_ptr<FlashImage> FreshImage(int host) {
  auto image = MakeFlashImage();
  auto defaults = MakeDefaultImages();
  ResetDefaultImages(*defaults);
  RestoreDefaultRegions(*image, *defaults);
  image->config.host = static_cast<std::uint8_t>(host);
  return image;
}

template <std::size_t N>
void SetName(std::array<char, N>& field, std::string_view name) {
  field.fill('\0');
  std::copy_n(name.begin(), std::min(name.size(), N), field.begin());
}

// A plain mouse configuration with nothing mapped.
inline ConfigRecord MakeConfig(std::string_view name, int host, int game_id) {
  ConfigRecord record{};
  SetName(record.name, name);
  record.set_host_type(host);
  record.game_id = static_cast<std::uint8_t>(game_id);
  record.button_count = kDefaultButtonCount;
  record.hip_sensitivity = 100;
  record.curve_id = 7;
  return record;
}

}  // namespace torvane::model::testing
