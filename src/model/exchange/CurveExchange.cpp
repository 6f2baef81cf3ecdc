#include "model/exchange/CurveExchange.h"

#include <algorithm>
#include <cstring>

#include "model/RegionBytes.h"
#include "model/exchange/DigestField.h"
#include "model/params/ResponseCurves.h"

namespace torvane::model {

namespace {

// Keeps a chart inside the plot area; a byte above 200 would otherwise give a
// negative stored value once the editor's OK turns it back.
bool ClampChart(Curve& chart) {
  bool clamped = false;
  for (std::uint8_t& y : chart) {
    if (y > kCurveMax) {
      y = kCurveMax;
      clamped = true;
    }
  }
  return clamped;
}

}  // namespace

std::optional<CurveFile> BuildCurveFile(const Curve& hip_chart, const Curve& ads_chart) {
  CurveFile file{};
  file.curve_format_version = kCurveFormatVersion;
  file.hip_chart = hip_chart;
  file.ads_chart = ads_chart;
  ClampChart(file.hip_chart);
  ClampChart(file.ads_chart);
  if (!StampDigest(BytesOf(file), offsetof(CurveFile, digest))) return std::nullopt;
  return file;
}

CurveImport ImportCurveFile(std::span<const std::uint8_t> bytes) {
  CurveImport import;
  if (bytes.size() != kCurveFileSize) return import;
  if (!VerifyDigest(bytes, offsetof(CurveFile, digest))) {
    import.result = ExchangeResult::kVerifyFailed;
    return import;
  }
  CurveFile file{};
  std::memcpy(&file, bytes.data(), sizeof file);
  if (CompareVersion(kCurveFormatVersion, file.curve_format_version) == kVersionNewer) {
    import.result = ExchangeResult::kNeedsNewerManager;
    return import;
  }
  import.hip_chart = file.hip_chart;
  import.ads_chart = file.ads_chart;
  const bool hip_clamped = ClampChart(import.hip_chart);
  const bool ads_clamped = ClampChart(import.ads_chart);
  import.clamped = hip_clamped || ads_clamped;
  import.result = ExchangeResult::kOk;
  return import;
}

}  // namespace torvane::model
