#pragma once

#include <functional>

#include "model/FlashImage.h"

namespace torvane::model {

// Whether the catalogue of `host` has a record for `game_id`.
using GameKnownFn = std::function<bool(int host, int game_id)>;

// Deletes every configuration whose game the catalogue of its own host does
// not know, with its macros; returns whether anything was removed.
bool PruneUnknownGames(FlashImage& image, const GameKnownFn& known);

}  // namespace torvane::model
