// Known digests, for whichever implementation the system's build links: the crypto library's or the system's.
#include "model/backup/Sha256.h"
#include "model/exchange/Md5.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>

namespace torvane::model {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

template <std::size_t N>
std::string Hex(const std::optional<std::array<std::uint8_t, N>>& digest) {
  if (!digest) return "(none)";
  std::string text;
  for (std::uint8_t b : *digest) {
    text += "0123456789abcdef"[b >> 4];
    text += "0123456789abcdef"[b & 0xF];
  }
  return text;
}

TEST(DigestsTest, KnownDigests) {
  const std::string million(1'000'000, 'a');
  const struct {
    std::string_view text;
    const char* md5;
    const char* sha256;
  } cases[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0",
       "f7846f55cf23e14eebeab5b4e1550cad5b509e3348fbc4efa3a1413d393cb650"},
      {million, "7707d6ae4e027c70eea2a935c2296f21", "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Hex(Md5(Bytes(c.text))), c.md5) << c.text.substr(0, 20);
    EXPECT_EQ(Hex(Sha256(Bytes(c.text))), c.sha256) << c.text.substr(0, 20);
  }
  EXPECT_EQ(Md5({Bytes("mess"), Bytes(""), Bytes("age digest")}), Md5(Bytes("message digest")));
}

}  // namespace
}  // namespace torvane::model
