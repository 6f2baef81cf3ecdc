#include "model/catalogue/PruneWithCatalogue.h"

#include "model/catalogue/GameCatalogue.h"
#include "model/tables/PruneUnknownGames.h"

namespace torvane::model {

bool PruneUnknownGames(FlashImage& image) {
  return PruneUnknownGames(image, IsKnownGame);
}

}  // namespace torvane::model
