// MD5 and SHA-256 on Windows from the system's own cryptography (CNG), so the programs need no other library.
#include <windows.h>
// bcrypt.h needs the types windows.h declares.
#include <bcrypt.h>

#include <memory>

#include "model/backup/Sha256.h"
#include "model/exchange/Md5.h"

namespace torvane::model {

namespace {

struct AlgorithmCloser {
  void operator()(void* algorithm) const { ::BCryptCloseAlgorithmProvider(algorithm, 0); }
};
struct HashCloser {
  void operator()(void* hash) const { ::BCryptDestroyHash(hash); }
};

// The digest of the pieces, one after the other, by CNG's algorithm `id`; nothing when CNG refuses any step.
template <std::size_t N>
std::optional<std::array<std::uint8_t, N>> Digest(LPCWSTR id,
                                                  std::initializer_list<std::span<const std::uint8_t>> pieces) {
  BCRYPT_ALG_HANDLE raw_algorithm = nullptr;
  if (!BCRYPT_SUCCESS(::BCryptOpenAlgorithmProvider(&raw_algorithm, id, nullptr, 0))) return std::nullopt;
  const std::unique_ptr<void, AlgorithmCloser> algorithm(raw_algorithm);
  BCRYPT_HASH_HANDLE raw_hash = nullptr;
  if (!BCRYPT_SUCCESS(::BCryptCreateHash(raw_algorithm, &raw_hash, nullptr, 0, nullptr, 0, 0))) return std::nullopt;
  const std::unique_ptr<void, HashCloser> hash(raw_hash);
  for (std::span<const std::uint8_t> piece : pieces) {
    // CNG takes a non-const pointer but only reads through it.
    auto* data = const_cast<PUCHAR>(piece.data());
    if (!BCRYPT_SUCCESS(::BCryptHashData(raw_hash, data, static_cast<ULONG>(piece.size()), 0))) return std::nullopt;
  }
  std::array<std::uint8_t, N> digest{};
  if (!BCRYPT_SUCCESS(::BCryptFinishHash(raw_hash, digest.data(), static_cast<ULONG>(digest.size()), 0))) {
    return std::nullopt;
  }
  return digest;
}

}  // namespace

std::optional<Md5Digest> Md5(std::initializer_list<std::span<const std::uint8_t>> pieces) {
  return Digest<16>(BCRYPT_MD5_ALGORITHM, pieces);
}

std::optional<Sha256Digest> Sha256(std::span<const std::uint8_t> bytes) {
  return Digest<32>(BCRYPT_SHA256_ALGORITHM, {bytes});
}

}  // namespace torvane::model
