#pragma once

#include <optional>

#include "model/ConfigRecord.h"

class QWidget;

namespace torvane::editor {

// The points of the hip and ADS charts as chart coordinates: 200 minus the stored curve value, 0..200.
struct CurveCharts {
  model::Curve hip;
  model::Curve ads;
};

// Writes both charts to a curve file the player picks, offered under the name of `record`, the configuration
// being edited, and says how it went, as the other exports do. True when the file was written.
bool ExportCurves(QWidget* owner, const model::ConfigRecord& record, const CurveCharts& charts);

// Reads a curve file the player picks: its charts (any coordinate above 200 taken as 200), or nothing after a
// cancel or a refusal, which is told in an "Import Curve" box. Nothing is stored: the editor takes the charts.
std::optional<CurveCharts> ImportCurves(QWidget* owner);

}  // namespace torvane::editor
