#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace torvane::model {

// Exchange files and news records carry the MD5 of their whole image taken
// with the 16-byte digest field itself zeroed.

// Computes that digest and stores it at `offset`; false (image unchanged)
// when the field does not fit or MD5 is unavailable.
bool StampDigest(std::span<std::uint8_t> image, std::size_t offset);

// Whether the stored digest matches, all 16 bytes; the image is only read.
bool VerifyDigest(std::span<const std::uint8_t> image, std::size_t offset);

}  // namespace torvane::model
