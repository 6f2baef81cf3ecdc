#include "model/catalogue/CatalogueRow.h"

#include <iterator>

namespace torvane::model::catalogue {

namespace {

constexpr CatalogueRow kRows[] = {
    {"Doom", 92},
    {"The Elder Scroll V: Skyrim", 125},
    {"Fortnite", 100},
    {"Morphies Law", 106},
    {"Minecraft:NS Edition", 102},
    {"Minecraft", 103},
    {"Overwatch ", 64},
    {"Paladins beta", 101},
    {"Splatoon 2", 81},
    {"Zelda", 104},
    {"Custom", 18},
};
static_assert(std::size(kRows) == 11);

}  // namespace

std::span<const CatalogueRow> SwitchCatalogueRows() {
  return kRows;
}

}  // namespace torvane::model::catalogue
