#include "core/exchange/CurveExchangeFlow.h"

#include "core/exchange/ExchangeFileIo.h"
#include "core/exchange/ExchangeReport.h"
#include "model/RegionBytes.h"
#include "model/exchange/CurveExchange.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/SuggestedFileName.h"
#include "model/params/ResponseCurves.h"

namespace torvane::core {

CurveCharts ChartsOf(const model::ConfigRecord& record) {
  return {model::ChartFromCurve(record.hip_curve), model::ChartFromCurve(record.ads_curve)};
}

ExchangeOutcome ExportCurves(Host& host, const model::ConfigRecord& record, const CurveCharts& charts) {
  const std::optional<model::CurveFile> file = model::BuildCurveFile(charts.hip, charts.ads);
  if (!file) return ReportExport(host, model::kTitleExportCurve, {model::kFileOpenFailed, 0});
  // The curve editor says nothing of a success; a failure is told, since a file that silently failed to be
  // written would be found missing later.
  return ReportExport(host, model::kTitleExportCurve,
                      WriteChosenFile(host, model::kTitleExportCurve, model::SuggestedCurveFileName(record),
                                      model::BytesOf(*file), model::ExchangeKind::kCurve),
                      false);
}

CurveImportResult ImportCurves(Host& host) {
  const FileRead read = ReadChosenFile(host, model::kTitleImportCurve, model::ExchangeKind::kCurve);
  if (read.code != model::kFileDone) return {ReportReadFailure(host, model::ExchangeKind::kCurve, read), {}};
  const model::CurveImport import = model::ImportCurveFile(read.bytes);
  const ExchangeOutcome outcome = ReportImport(host, model::ExchangeKind::kCurve, import.result);
  if (outcome != ExchangeOutcome::kDone) return {outcome, {}};
  return {outcome, {import.hip_chart, import.ads_chart}};
}

}  // namespace torvane::core
