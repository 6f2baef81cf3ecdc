#pragma once

#include <memory>

#include "model/FlashImage.h"

namespace torvane::fuzz {

// An adapter image as a player's adapter holds it: default regions, two
// catalogue configurations per console, each with one macro, serving PS4.
// The import targets import into it and the seeds are made from it.
std::unique_ptr<model::FlashImage> SampleImage();

// A copy of `image` (the image is too large to live on the stack).
std::unique_ptr<model::FlashImage> CopyImage(const model::FlashImage& image);

}  // namespace torvane::fuzz
