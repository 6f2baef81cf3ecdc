// Reads a curve file's bytes, once as they come and once with a matching digest.

#include <algorithm>
#include <vector>

#include "Require.h"
#include "model/exchange/CurveExchange.h"
#include "model/exchange/DigestField.h"

namespace {

using namespace torvane;

void Import(std::span<const std::uint8_t> file) {
  const model::CurveImport import = model::ImportCurveFile(file);
  if (import.result != model::ExchangeResult::kOk) return;
  const auto on_chart = [](const model::Curve& chart) {
    return std::all_of(chart.begin(), chart.end(), [](auto point) { return point <= 200; });
  };
  fuzz::Require(on_chart(import.hip_chart) && on_chart(import.ads_chart), "a chart point above 200");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> input(data, size);
  Import(input);
  std::vector<std::uint8_t> stamped(input.begin(), input.end());
  if (model::StampDigest(stamped, offsetof(model::CurveFile, digest))) Import(stamped);
  return 0;
}
