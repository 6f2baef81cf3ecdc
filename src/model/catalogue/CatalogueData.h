#pragma once

#include <array>
#include <vector>

#include "model/FlashRegions.h"
#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"

namespace torvane::model::catalogue {

// Everything the catalogue builds at start-up.
struct CatalogueData {
  std::array<std::vector<ConfigRecord>, kHostCount> catalogues;  // prepared, by host
  std::vector<WheelProfile> wheels;
  std::vector<ResponseRecord> responses;
};

// Builds the wheel profiles and the default response records, then every
// host's catalogue records, prepared. Pure: each call builds a fresh copy.
CatalogueData BuildCatalogueData();

}  // namespace torvane::model::catalogue
