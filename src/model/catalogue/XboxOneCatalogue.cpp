#include "model/catalogue/CatalogueRow.h"

#include <iterator>

namespace torvane::model::catalogue {

namespace {

constexpr auto kWheel = GameStyle::kWheel;

constexpr CatalogueRow kRows[] = {
    {"Expert Mode Beta", 90, GameStyle::kNativeWheel},
    {"Anthem", 114},
    {"Apex Legends", 113},
    {"Battlefield V", 105},
    {"Battlefield 1", 69},
    {"Battlefield 4", 9},
    {"Battlefield: Hardline", 27},
    {"Call Of Duty: Black Ops Cold War", 136},
    {"Cyberpunk 2077", 135},
    {"Crackdown 3: Campaign", 124},
    {"Call Of Duty: Modern Warfare(2019)", 131},
    {"Call of Duty: WWII", 86},
    {"Call of Duty: Infinite Warfare", 73},
    {"Call of Duty: Black Ops4", 108},
    {"Call of Duty: Black Ops3", 50},
    {"Call of Duty: Advanced Warfare", 23},
    {"Call of Duty: Ghosts", 0},
    {"Dead Rising 4", 129},
    {"Doom", 63},
    {"Destiny", 19},
    {"Destiny2", 82},
    {"Dead Rising 3", 20},
    {"Dying Light", 29},
    {"Dirt Rally", 65, kWheel},
    {"Evolve", 28},
    {"Elder Scroll Online-FPS", 121},
    {"Elder Scroll Online-TPS", 122},
    {"Fortnite: Battle Royale", 98},
    {"Fallout 4", 51},
    {"Forza Horizon 3", 71, kWheel},
    {"Forza Horizon 2", 66, kWheel},
    {"Forza 5", 45, kWheel},
    {"Forza 6", 60, kWheel},
    {"Far Cry5", 97},
    {"Far Cry Primal", 57},
    {"Ghost Recon Wildlands", 76},
    {"Gears of War: 5", 120},
    {"Gears of War: 4", 70},
    {"Gears of War: Ultimate Edition", 55},
    {"Grand Theft Auto V", 24},
    {"Halo 4", 47},
    {"Halo 5: Guardians", 48},
    {"Metal Gear Survive", 130},
    {"Minecraft", 123},
    {"Need for Speed: 19", 61, kWheel},
    {"Overwatch", 64},
    {"Payday 2: Crimewave Edition", 128},
    {"Player Unknow's Battlegrounds", 95},
    {"Paladins", 77},
    {"Plants vs Zombies: Garden Warfare", 12},
    {"Plants vs Zombies: Garden Warfare2", 56},
    {"Project Cars", 43, kWheel},
    {"Red Dead R2-FPS", 109},
    {"Red Dead R2-TPS", 110},
    {"Realm Royale", 112},
    {"Resident Evil 7: Biohazard", 80},
    {"RainBow Six: Siege", 53},
    {"Rise of the Tomb Raider", 52},
    {"Star Wars Battlefront2", 94},
    {"Star Wars Battlefront", 49},
    {"Sniper Elite 4", 126},
    {"Sniper Elite V3", 21},
    {"Titanfall: 2", 72},
    {"Titanfall", 11},
    {"The Division 2", 115},
    {"The Division", 58},
    {"World War Z", 116},
    {"Warface", 107},
    {"War Frame", 16},
    {"Watch Dogs", 3},
    {"Custom", 18},
};
static_assert(std::size(kRows) == 71);

}  // namespace

std::span<const CatalogueRow> XboxOneCatalogueRows() {
  return kRows;
}

}  // namespace torvane::model::catalogue
