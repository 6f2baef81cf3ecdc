#pragma once

#include <array>
#include <string_view>

#include "model/catalogue/GameCatalogue.h"

namespace torvane::model::catalogue {

struct GameInfo {
  std::string_view title;
  std::string_view image;  // a PNG of the skin archive
};

// Title and image of every game, indexed by game id.
extern const std::array<GameInfo, kGameCount> kGameInfo;

}  // namespace torvane::model::catalogue
