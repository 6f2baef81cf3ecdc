// Receives a news record's bytes, as they come and with a matching digest,
// into an empty store and into one that holds a record, and reads its texts.

#include <string_view>
#include <vector>

#include "Require.h"
#include "model/exchange/DigestField.h"
#include "model/exchange/NewsStore.h"

namespace {

using namespace torvane;

constexpr std::size_t kDigestOffset = 5;

bool Inside(std::span<const std::uint8_t> record, std::string_view text) {
  if (text.empty()) return true;
  const auto* begin = reinterpret_cast<const std::uint8_t*>(text.data());
  return begin >= record.data() && begin + text.size() <= record.data() + record.size();
}

void Receive(model::NewsStore& store, std::span<const std::uint8_t> record) {
  if (store.Receive(record) != model::NewsReceipt::kStored) return;
  const auto held = store.file_bytes();
  fuzz::Require(Inside(held, store.title()) && Inside(held, store.link_target()) &&
                    Inside(held, store.link_caption()) && Inside(held, store.content()),
                "a news text outside its record");
  if (store.MarkRead()) {
    fuzz::Require(model::VerifyDigest(store.file_bytes(), kDigestOffset), "a read mark left a wrong digest");
  }
  fuzz::Require(!store.unread(), "a read record still unread");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  std::vector<std::uint8_t> stamped(input.begin(), input.end());
  const bool restamped = model::StampDigest(stamped, kDigestOffset);
  model::NewsStore empty;
  Receive(empty, input);
  if (restamped) {
    model::NewsStore store;
    Receive(store, stamped);
    // A second record against the held one: the date comparison.
    std::vector<std::uint8_t> later = stamped;
    for (std::size_t i = 21; i < 27 && i < later.size(); ++i) later[i] = static_cast<std::uint8_t>(later[i] + 1);
    if (model::StampDigest(later, kDigestOffset)) Receive(store, later);
  }
  return 0;
}
