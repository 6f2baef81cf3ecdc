#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace torvane::model::catalogue {

// How a catalogue game is played; everything else comes from the common record.
enum class GameStyle : std::uint8_t {
  kMouse,        // keyboard and mouse, the common shooter layout
  kWheel,        // steering wheel (input_device 1)
  kNativeWheel,  // steering wheel the game reads directly (flags bit 14)
  kRhythm,       // keyboard lanes, fastest report rate
};

// One ready configuration of a host catalogue, in catalogue order.
struct CatalogueRow {
  std::string_view name;  // stored as the record name; trailing blanks are part of it
  std::uint8_t game_id;
  GameStyle style = GameStyle::kMouse;
};

// The rows of each console's catalogue.
std::span<const CatalogueRow> PS4CatalogueRows();
std::span<const CatalogueRow> XboxOneCatalogueRows();
std::span<const CatalogueRow> PS3CatalogueRows();
std::span<const CatalogueRow> Xbox360CatalogueRows();
std::span<const CatalogueRow> SwitchCatalogueRows();

// The rows of `host`; empty for a host outside 0..4.
std::span<const CatalogueRow> CatalogueRows(int host);

}  // namespace torvane::model::catalogue
