#pragma once

#include <cstdint>
#include <span>

namespace torvane::skin {

// The skin archive built into the program: a zip of the window layouts, their images and the firmware image
// "Torvane_Firmware.bin". The bytes live for the whole process.
std::span<const std::uint8_t> EmbeddedSkinArchive();

}  // namespace torvane::skin
