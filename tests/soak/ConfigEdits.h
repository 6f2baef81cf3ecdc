#pragma once

#include <cstddef>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "model/FlashImage.h"

namespace torvane::soak {

// The table slots of the configurations of the console the image serves, as the home page lists them.
std::vector<std::size_t> ShownSlots(const model::ConfigBlock& block);

// One field of one configuration given a new value, found again by the configuration's name and console.
struct FieldEdit {
  std::string config;  // the stored name
  int host = 0;
  const char* field = "";
  std::size_t offset = 0;  // in the record
  std::size_t size = 1;    // 1 or 2 bytes, little-endian
  unsigned value = 0;
};

// A new value, within what the editing page accepts, for a random field of a random configuration of the shown
// console (the hot key only among those free on it); nothing when the console has no configuration.
std::optional<FieldEdit> PickEdit(const model::FlashImage& image, std::mt19937_64& random);
// Stores the edit in its record; false when the image has no such configuration.
bool Apply(model::FlashImage& image, const FieldEdit& edit);
// Whether the configuration the edit names holds its value.
bool Holds(const model::FlashImage& image, const FieldEdit& edit);
std::string Describe(const FieldEdit& edit);

// New hip and ADS curves for a random configuration of the shown console, as a curve file holds them.
struct CurveChange {
  std::string config;  // the stored name
  int host = 0;
  std::vector<std::uint8_t> file;
  model::Curve hip{};  // as an import of the file stores them
  model::Curve ads{};
};

std::optional<CurveChange> PickCurves(const model::FlashImage& image, std::mt19937_64& random);
bool Apply(model::FlashImage& image, const CurveChange& change);
bool Holds(const model::FlashImage& image, const CurveChange& change);

}  // namespace torvane::soak
