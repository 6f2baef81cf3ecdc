#pragma once

#include <vector>

#include "model/ConfigRecord.h"
#include "model/catalogue/CatalogueRow.h"

namespace torvane::model::catalogue {

// The values most catalogue records share, for `host`: shooter keyboard
// layout in group 0, no game, no name. The fields preparation fills later
// (curves, group 1, host tuning, wheel type) are left to it.
ConfigRecord CommonRecord(int host);

// The record of one catalogue row before preparation.
ConfigRecord CatalogueRecord(int host, const CatalogueRow& row);

// The host's catalogue before preparation, in catalogue order; empty for a
// host outside 0..4.
std::vector<ConfigRecord> UnpreparedCatalogue(int host);

}  // namespace torvane::model::catalogue
