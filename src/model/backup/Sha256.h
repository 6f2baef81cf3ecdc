#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace torvane::model {

using Sha256Digest = std::array<std::uint8_t, 32>;

// SHA-256 of `bytes`; nothing when the crypto library cannot provide it.
std::optional<Sha256Digest> Sha256(std::span<const std::uint8_t> bytes);

}  // namespace torvane::model
