#pragma once

#include <memory>
#include <string>

#include "model/FlashImage.h"

namespace torvane::soak {

// The information block and the three regions a save or a restore writes, read over a connection of its own, as
// any other client of the socket would read them; nothing when the adapter did not answer.
std::unique_ptr<model::FlashImage> ReadAdapterRegions(const std::string& socket, std::string* error);

// The first of the macro, configuration and response blocks in which `found` differs from `expected`, with the
// offset of its first differing byte; empty when all three are equal.
std::string FirstDifference(const model::FlashImage& found, const model::FlashImage& expected);

// Copies the three regions.
void CopyRegions(const model::FlashImage& from, model::FlashImage& to);

}  // namespace torvane::soak
