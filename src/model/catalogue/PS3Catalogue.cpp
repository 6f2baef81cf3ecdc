#include "model/catalogue/CatalogueRow.h"

#include <iterator>

namespace torvane::model::catalogue {

namespace {

constexpr CatalogueRow kRows[] = {
    {"Battlefield 3", 8},
    {"Battlefield 4", 9},
    {"Call of Duty Black Ops 2", 1},
    {"Call of Duty Ghosts", 0},
    {"Call of Duty Modern Warfare 3", 2},
    {"Destiny", 19},
    {"Killzone 3", 4},
    {"Plants vs Zombies Garden Warfare", 12},
    {"Uncharted 3", 14},
    {"WatchDogs", 3},
    {"Wolfenstein The New Order", 17},
    {"Custom", 18},
};
static_assert(std::size(kRows) == 12);

}  // namespace

std::span<const CatalogueRow> PS3CatalogueRows() {
  return kRows;
}

}  // namespace torvane::model::catalogue
