#pragma once

#include <span>

#include "model/ConfigRecord.h"
#include "model/catalogue/GameCatalogue.h"

namespace torvane::model::catalogue {

// Completes one catalogue record, in this order: reserved bytes zeroed;
// the game's own curves or neutral ones; mapping group 1 rebuilt for mouse
// records (unless bit 0 of report_interval asks to keep it); the host's
// tuning values; the wheel type's mapping, angle and force feedback (or wheel
// type 60 when the game has no such wheel); group 0 entries past 26 cleared.
void PrepareCatalogueRecord(ConfigRecord& record, std::span<const WheelProfile> wheels);

void PrepareCatalogueRecords(std::span<ConfigRecord> records, std::span<const WheelProfile> wheels);

}  // namespace torvane::model::catalogue
