#include "model/catalogue/CatalogueRow.h"

#include <iterator>

namespace torvane::model::catalogue {

namespace {

constexpr auto kWheel = GameStyle::kWheel;
constexpr auto kNative = GameStyle::kNativeWheel;

constexpr CatalogueRow kRows[] = {
    {"Anthem", 114},
    {"Apex Legends", 113},
    {"Alienation", 93},
    {"Assetto Corsa", 68, kNative},
    {"Borderlands 3", 118},
    {"Battlefield 1", 69},
    {"Battlefield 4", 9},
    {"Battlefield V", 105},
    {"Battlefield: Hardline", 27},
    {"BlackLight Retribution", 13},
    {"Cyberpunk 2077 ", 135},
    {"Call Of Duty: Black Ops Cold War ", 136},
    {"Call Of Duty: Modern Warfare(2019)", 131},
    {"Call of Duty: Black Ops4", 108},
    {"Call of Duty: WWII", 86},
    {"Call of Duty: Modern Warfare", 75},
    {"Call of Duty: Infinite Warfare", 73},
    {"Call of Duty: Black Ops3", 50},
    {"Call of Duty: Advanced Warfare", 23},
    {"Call of Duty: Ghosts", 0},
    {"Day Z", 134},
    {"Dying Light", 29},
    {"Days Gone", 117},
    {"DJMax Respect", 83, GameStyle::kRhythm},
    {"Doom Eternal", 133},
    {"Doom", 63},
    {"Destiny 2", 82},
    {"Destiny", 19},
    {"Dirt Rally", 65, kNative},
    {"DIRT 4", 84, kNative},
    {"Drive Club", 32, kNative},
    {"Evolve", 28},
    {"Fortnite: Battle Royale", 98},
    {"Fallout 4", 51},
    {"Far Cry5", 97},
    {"Far Cry4", 25},
    {"Far Cry Primal", 57},
    {"F1 2017", 87, kNative},
    {"F1 2016", 67, kNative},
    {"F1 2015", 54, kNative},
    {"GT Sport", 89, kNative},
    {"Ghost Recon Wildlands", 76},
    {"Grand Theft Auto V", 24},
    {"H1Z1: Battle Royale", 99},
    {"Horizon: Zero Dawn", 78},
    {"Killing Floor: 2", 79},
    {"Killzone Shadow Fall", 5},
    {"Monter Hunter: World", 96},
    {"Metal Gear Solid V: The Phantom Pain", 91},
    {"Minecraft", 26},
    {"Need for Speed: Rivals", 31, kWheel},
    {"Need for Speed: 19", 61, kWheel},
    {"Need for Speed: Heat", 132, kWheel},
    {"Outlast", 30},
    {"Overwatch", 64},
    {"Player Unknow's Battlegrounds", 111},
    {"Paladins", 77},
    {"Plants vs Zombies Garden Warfare", 12},
    {"Plants vs Zombies: Garden Warfare 2", 56},
    {"PvZ:Battle for Neighborville", 127},
    {"Project Cars2", 88, kNative},
    {"Project Cars", 43, kNative},
    {"Realm Royale", 112},
    {"Red Dead R2-FPS", 109},
    {"Red Dead R2-TPS", 110},
    {"Resident Evil 7: Biohazard", 80},
    {"Rainbow Six: Siege", 53},
    {"Uncharted 4", 62},
    {"Star Wars Battlefront2", 94},
    {"Star Wars Battlefront", 49},
    {"Sebastien Loeb Rally Evo", 59, kNative},
    {"The Last of Us", 15},
    {"Titanfall: 2", 72},
    {"The Order:1886", 35},
    {"The Division 2", 115},
    {"The Division", 58},
    {"World War Z", 116},
    {"Warface", 107},
    {"WRC6", 85, kNative},
    {"WRC5", 74, kNative},
    {"Wolfenstein The New Order", 17},
    {"Watch Dogs 2", 119},
    {"Watchdongs", 3},
    {"War Frame", 16},
    {"Custom", 18},
};
static_assert(std::size(kRows) == 85);

}  // namespace

std::span<const CatalogueRow> PS4CatalogueRows() {
  return kRows;
}

}  // namespace torvane::model::catalogue
