#pragma once

#include <optional>

#include "core/exchange/ExchangeOutcome.h"
#include "model/ConfigRecord.h"

namespace torvane::core {

class Host;

// The points of the hip and ADS charts as chart coordinates: 200 minus the stored curve value, 0..200.
struct CurveCharts {
  model::Curve hip;
  model::Curve ads;
};

// Both stored curves of `record` as charts.
CurveCharts ChartsOf(const model::ConfigRecord& record);

// Writes both charts to the curve file the player chooses, offered under the name of `record`, the configuration
// they belong to, and tells how it went, as the other exports do.
ExchangeOutcome ExportCurves(Host& host, const model::ConfigRecord& record, const CurveCharts& charts);

struct CurveImportResult {
  ExchangeOutcome outcome = ExchangeOutcome::kCancelled;
  CurveCharts charts{};  // when done; any coordinate above 200 taken as 200
};

// Reads the curve file the player chooses, telling a refusal under "Import Curve". Nothing is stored: the caller
// takes the charts.
CurveImportResult ImportCurves(Host& host);

}  // namespace torvane::core
