#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "model/exchange/ExchangeFiles.h"
#include "model/exchange/ExchangeResult.h"

namespace torvane::model {

// The file image of the two charts' points (chart coordinates, 200 minus
// the stored value), digest included; nothing when MD5 is unavailable.
// A coordinate above 200 is written as 200.
std::optional<CurveFile> BuildCurveFile(const Curve& hip_chart, const Curve& ads_chart);

struct CurveImport {
  ExchangeResult result = ExchangeResult::kWrongSize;
  Curve hip_chart{};  // chart coordinates, each 0..200
  Curve ads_chart{};
  bool clamped = false;  // some file byte lay above 200 and was taken as 200
};

// Reads the charts of a curve file's bytes: size, digest, then format version.
CurveImport ImportCurveFile(std::span<const std::uint8_t> file);

}  // namespace torvane::model
