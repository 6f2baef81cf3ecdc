// export-curve and import-curve: a configuration's response curves and their exchange files.
#include <string>

#include "cli/AdapterUse.h"
#include "cli/ExitCodes.h"
#include "core/exchange/CurveExchangeFlow.h"
#include "model/params/ResponseCurves.h"
#include "model/tables/NameText.h"

namespace torvane::cli {

int ExportCurve(CommandContext& context) {
  if (const int code = ReadUsableAdapter(context); code != kExitOk) return code;
  const int slot = FindNamedConfig(context, context.options.arguments[0]);
  if (slot < 0) return kExitUsage;
  const model::ConfigRecord& record = context.session.image().config.records[static_cast<std::size_t>(slot)];
  context.host.set_file(context.options.arguments[1]);
  return ExitCodeOf(core::ExportCurves(context.host, record, core::ChartsOf(record)));
}

int ImportCurve(CommandContext& context) {
  if (const int code = ReadUsableAdapter(context); code != kExitOk) return code;
  const int slot = FindNamedConfig(context, context.options.arguments[0]);
  if (slot < 0) return kExitUsage;
  context.host.set_file(context.options.arguments[1]);
  const core::CurveImportResult imported = core::ImportCurves(context.host);
  if (imported.outcome != core::ExchangeOutcome::kDone) return ExitCodeOf(imported.outcome);
  // As the curve editor's Ok stores them.
  model::ConfigRecord& record = context.session.image().config.records[static_cast<std::size_t>(slot)];
  record.hip_curve = model::CurveFromChart(imported.charts.hip);
  record.ads_curve = model::CurveFromChart(imported.charts.ads);
  const std::string name = ShownName(model::ReadName(record.name));
  context.output.data()["imported"] = {{"configuration", name}};
  context.output.Line("Imported the curves into " + name + ".");
  return SaveChanges(context, model::kUnsavedConfig);
}

}  // namespace torvane::cli
