#pragma once

#include "model/FlashImage.h"

namespace torvane::model {

// Deletes every configuration (with its macros) whose game the catalogue of
// its own host does not know; hosts 5..7 have no catalogue. Returns whether
// anything was removed.
bool PruneUnknownGames(FlashImage& image);

}  // namespace torvane::model
