#include "editor/exchange/CurveExchangeFlow.h"

#include "editor/exchange/ExchangeFileIo.h"
#include "editor/exchange/ExchangeReport.h"
#include "model/RegionBytes.h"
#include "model/exchange/CurveExchange.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/SuggestedFileName.h"
#include "platform/NarrowText.h"

namespace torvane::editor {

bool ExportCurves(QWidget* owner, const model::ConfigRecord& record, const CurveCharts& charts) {
  const std::optional<model::CurveFile> file = model::BuildCurveFile(charts.hip, charts.ads);
  if (!file) {
    ReportExchange(owner, model::kTitleExportCurve, model::ExportMessage(model::kFileOpenFailed, 0));
    return false;
  }
  const FileOutcome outcome = WriteExchangeFile(owner, QString::fromUtf8(model::kTitleExportCurve),
                                                platform::DecodeNarrow(model::SuggestedCurveFileName(record)),
                                                model::BytesOf(*file), model::ExchangeKind::kCurve);
  // Told like the other exports: a curve file that silently failed to be written would be found missing later.
  ReportExchange(owner, model::kTitleExportCurve, model::ExportMessage(outcome.code, outcome.system_error));
  return outcome.code == model::kFileDone;
}

std::optional<CurveCharts> ImportCurves(QWidget* owner) {
  const FileRead read =
      ReadExchangeFile(owner, QString::fromUtf8(model::kTitleImportCurve), model::ExchangeKind::kCurve);
  if (read.code != model::kFileDone) {
    ReportExchange(owner, model::kTitleImportCurve,
                   model::ReadFailureMessage(model::ExchangeKind::kCurve, read.code, read.system_error));
    return std::nullopt;
  }
  const model::CurveImport import = model::ImportCurveFile(read.bytes);
  if (import.result != model::ExchangeResult::kOk) {
    ReportExchange(owner, model::kTitleImportCurve, model::ImportMessage(model::ExchangeKind::kCurve, import.result));
    return std::nullopt;
  }
  return CurveCharts{import.hip_chart, import.ads_chart};
}

}  // namespace torvane::editor
