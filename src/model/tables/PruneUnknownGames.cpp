#include "model/tables/PruneUnknownGames.h"

#include <string>

#include "model/HostType.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"

namespace torvane::model {

namespace {

// The slot of the first configuration whose game is unknown, or -1.
int FirstUnknownGame(const ConfigBlock& block, const GameKnownFn& known) {
  const std::size_t used = UsedConfigCount(block);
  for (std::size_t i = 0; i < used; ++i) {
    const ConfigRecord& record = block.records[i];
    const int host = record.host_type();
    // Host types 5..7 have no catalogue, whatever the predicate would say.
    if (!IsKnownHost(host) || !known(host, record.game_id)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

bool PruneUnknownGames(FlashImage& image, const GameKnownFn& known) {
  bool removed = false;
  for (int slot = FirstUnknownGame(image.config, known); slot >= 0; slot = FirstUnknownGame(image.config, known)) {
    const ConfigRecord& record = image.config.records[static_cast<std::size_t>(slot)];
    const int host = record.host_type();
    const std::string name(ReadName(record.name));
    // By slot, not by name: a duplicate name earlier in the table may belong to a known game.
    DeleteConfigAt(image, slot);
    DeleteMacrosOf(image.macro, name, host);
    removed = true;
  }
  return removed;
}

}  // namespace torvane::model
