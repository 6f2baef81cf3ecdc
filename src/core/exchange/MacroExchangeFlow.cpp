#include "core/exchange/MacroExchangeFlow.h"

#include "core/Session.h"
#include "core/exchange/ExchangeFileIo.h"
#include "core/exchange/ExchangeReport.h"
#include "model/HostType.h"
#include "model/RegionBytes.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/MacroExchange.h"
#include "model/exchange/SuggestedFileName.h"
#include "model/tables/MacroTable.h"

namespace torvane::core {

ExchangeOutcome ExportMacro(Session& session, Host& host, std::size_t macro_index) {
  const model::MacroBlock& block = session.image().macro;
  if (macro_index >= model::UsedMacroCount(block)) return ExchangeOutcome::kCancelled;
  const model::MacroRecord& record = block.records[macro_index];
  const std::optional<model::MacroFile> file = model::BuildMacroFile(record);
  if (!file) return ReportExport(host, model::kTitleExportMacro, {model::kFileOpenFailed, 0});
  return ReportExport(host, model::kTitleExportMacro,
                      WriteChosenFile(host, model::kTitleExportMacro, model::SuggestedMacroFileName(record),
                                      model::BytesOf(*file), model::ExchangeKind::kMacro));
}

ExchangeOutcome ImportMacro(Session& session, Host& host, const model::ConfigRecord& owner) {
  model::FlashImage& image = session.image();
  if (!model::IsKnownHost(image.config.host)) return ExchangeOutcome::kNoConsole;
  const FileRead read = ReadChosenFile(host, model::kTitleImportMacro, model::ExchangeKind::kMacro);
  if (read.code != model::kFileDone) return ReportReadFailure(host, model::ExchangeKind::kMacro, read);
  // A copy: the owner may be a record of this very image, and the import must not see it change under it.
  const model::ConfigRecord edited = owner;
  const model::ExchangeResult result = model::ImportMacroFile(image, edited, read.bytes, [&host](std::uint8_t key) {
    return ConfirmOccupiedKey(host, model::kTitleImportMacro, key);
  });
  return ReportImport(host, model::ExchangeKind::kMacro, result);
}

}  // namespace torvane::core
