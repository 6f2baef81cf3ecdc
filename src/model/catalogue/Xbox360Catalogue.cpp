#include "model/catalogue/CatalogueRow.h"

#include <iterator>

namespace torvane::model::catalogue {

namespace {

constexpr CatalogueRow kRows[] = {
    {"Battlefield 4", 9},
    {"Battlefield 3", 8},
    {"Call of Duty Modern Warfare 3", 2},
    {"Call of Duty: Black Ops 2", 1},
    {"Call of Duty: Ghosts", 0},
    {"Destiny", 19},
    {"Gears of War 3", 10},
    {"Halo 4", 7},
    {"Need For Speed Hot Pursuit", 44, GameStyle::kWheel},
    {"Plants vs Zombies Garden Warfare", 12},
    {"Titanfall", 11},
    {"WatchDogs", 3},
    {"Custom", 18},
};
static_assert(std::size(kRows) == 13);

}  // namespace

std::span<const CatalogueRow> Xbox360CatalogueRows() {
  return kRows;
}

}  // namespace torvane::model::catalogue
