#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "model/FlashImage.h"
#include "model/exchange/ExchangeFiles.h"
#include "model/exchange/ExchangeResult.h"
#include "model/exchange/ImportCallbacks.h"
#include "model/tables/PruneUnknownGames.h"

namespace torvane::model {

// The file image of a configuration, digest included; nothing when MD5 is unavailable.
std::optional<ConfigFile> BuildConfigFile(const ConfigRecord& record);

struct ConfigImport {
  ExchangeResult result = ExchangeResult::kIgnored;
  int slot = -1;         // the new record's slot when imported
  unsigned unsaved = 0;  // bits of unsaved_mask the import changed
};

// Adds the configuration of a file's bytes to the current host's table, in
// the fixed order of checks; `confirm` is asked, between the digest and the
// version checks, when a key of the record is taken elsewhere. The imported
// record gets a free hotkey and colour and never becomes the start-up one.
// The image changes only when the result is kOk.
ConfigImport ImportConfigFile(FlashImage& image, std::span<const std::uint8_t> file, const GameKnownFn& game_known,
                              const DefaultResponseFn& default_response, const ConfirmOccupiedFn& confirm);

}  // namespace torvane::model
