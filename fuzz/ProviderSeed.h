#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace torvane::fuzz {

// Writes an input that FuzzedDataProvider reads back as the given values: it
// takes byte strings from the front of its data and integers from the back,
// most significant byte first, as many bytes as the integer's range needs.
class ProviderSeed {
 public:
  // A value of an integer whose range fits one byte (value < range + 1).
  void Small(std::uint8_t value) { back_.push_back(value); }
  // A value of ConsumeIntegralInRange over a range of 256..65535.
  void Medium(std::uint16_t value);
  void Word(std::uint32_t value);
  void Bytes(std::span<const std::uint8_t> bytes) { front_.insert(front_.end(), bytes.begin(), bytes.end()); }

  std::vector<std::uint8_t> Input() const;

 private:
  std::vector<std::uint8_t> front_;
  std::vector<std::uint8_t> back_;  // in the order they are read
};

}  // namespace torvane::fuzz
