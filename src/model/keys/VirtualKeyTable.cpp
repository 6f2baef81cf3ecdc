#include "model/keys/VirtualKeyTable.h"

#include <array>

namespace torvane::model {

namespace {

struct Entry {
  std::uint8_t vk;
  std::uint8_t code;
};

// The single entries; the letter, digit, numpad and function key runs are
// added by BuildTable.
constexpr Entry kEntries[] = {
    {0x03, 155}, {0x08, 42},  {0x09, 43},  {0x0C, 156}, {0x0D, 40},  {0x13, 72},  {0x14, 57},  {0x1B, 41},  {0x20, 44},
    {0x21, 75},  {0x22, 78},  {0x23, 77},  {0x24, 74},  {0x25, 80},  {0x26, 82},  {0x27, 79},  {0x28, 81},  {0x29, 119},
    {0x2B, 116}, {0x2C, 70},  {0x2D, 73},  {0x2E, 76},  {0x2F, 117}, {0x30, 39},  {0x5B, 168}, {0x5C, 172}, {0x5D, 101},
    {0x5F, 88},  {0x60, 98},  {0x6A, 85},  {0x6B, 87},  {0x6C, 88},  {0x6D, 86},  {0x6E, 99},  {0x6F, 84},  {0x90, 83},
    {0x91, 71},  {0xA0, 166}, {0xA1, 170}, {0xA2, 165}, {0xA3, 169}, {0xA4, 167}, {0xA5, 171}, {0xBA, 51},  {0xBB, 46},
    {0xBC, 54},  {0xBD, 45},  {0xBE, 55},  {0xBF, 56},  {0xC0, 53},  {0xDB, 47},  {0xDC, 49},  {0xDD, 48},  {0xDE, 52},
    {0xF7, 163}, {0xF8, 164}, {0xFA, 161}, {0xFE, 156}, {0xFF, 255},
};

struct Run {
  std::uint8_t first_vk;
  std::uint8_t last_vk;
  std::uint8_t first_code;
};

constexpr Run kRuns[] = {
    {0x31, 0x39, 30},   // 1..9
    {0x41, 0x5A, 4},    // A..Z
    {0x61, 0x69, 89},   // Keypad1..Keypad9
    {0x70, 0x7B, 58},   // F1..F12
    {0x7C, 0x87, 104},  // F13..F24
};

constexpr std::array<std::uint8_t, 256> BuildTable() {
  std::array<std::uint8_t, 256> table{};
  for (const Entry& entry : kEntries) table[entry.vk] = entry.code;
  for (const Run& run : kRuns) {
    for (int vk = run.first_vk; vk <= run.last_vk; ++vk) {
      table[static_cast<std::size_t>(vk)] = static_cast<std::uint8_t>(run.first_code + (vk - run.first_vk));
    }
  }
  return table;
}

constexpr std::array<std::uint8_t, 256> kTable = BuildTable();

static_assert(kTable[0x41] == 4 && kTable[0x5A] == 29 && kTable[0x39] == 38 && kTable[0x87] == 115);
static_assert(kTable[0x01] == 0 && kTable[0x69] == 97 && kTable[0x7B] == 69);

}  // namespace

std::uint8_t KeyCodeFromVirtualKey(std::uint8_t vk) {
  return kTable[vk];
}

}  // namespace torvane::model
