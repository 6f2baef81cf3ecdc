#include "ProviderSeed.h"

namespace torvane::fuzz {

void ProviderSeed::Medium(std::uint16_t value) {
  back_.push_back(static_cast<std::uint8_t>(value >> 8));
  back_.push_back(static_cast<std::uint8_t>(value));
}

void ProviderSeed::Word(std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) back_.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::vector<std::uint8_t> ProviderSeed::Input() const {
  std::vector<std::uint8_t> input = front_;
  input.insert(input.end(), back_.rbegin(), back_.rend());
  return input;
}

}  // namespace torvane::fuzz
