#pragma once

#include <array>
#include <string_view>

#include "model/catalogue/GameCatalogue.h"

namespace torvane::model::catalogue {

// Recommended in-game settings by game id, lines separated by "\r\n"; empty
// for games without advice.
extern const std::array<std::string_view, kGameCount> kGameSettingsTexts;

}  // namespace torvane::model::catalogue
