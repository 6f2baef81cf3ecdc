#pragma once

#include <array>
#include <vector>

#include "model/FlashRegions.h"
#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"

namespace torvane::model::catalogue {

// What the catalogue builds at start-up. The default response records are
// built apart, on first use: they are most of the cost and only a new or
// imported configuration needs them.
struct CatalogueData {
  std::array<std::vector<ConfigRecord>, kHostCount> catalogues;  // prepared, by host
  std::vector<WheelProfile> wheels;
};

// Builds the wheel profiles, then every host's catalogue records, prepared.
// Pure: each call builds a fresh copy.
CatalogueData BuildCatalogueData();

}  // namespace torvane::model::catalogue
