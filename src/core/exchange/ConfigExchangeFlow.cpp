#include "core/exchange/ConfigExchangeFlow.h"

#include "core/Session.h"
#include "core/exchange/ExchangeFileIo.h"
#include "core/exchange/ExchangeReport.h"
#include "model/HostType.h"
#include "model/RegionBytes.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/exchange/ConfigExchange.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/SuggestedFileName.h"
#include "model/tables/ConfigTable.h"

namespace torvane::core {

ExchangeOutcome ExportConfig(Session& session, Host& host, int slot) {
  const model::ConfigBlock& block = session.image().config;
  if (slot < 0 || static_cast<std::size_t>(slot) >= model::UsedConfigCount(block)) return ExchangeOutcome::kCancelled;
  const model::ConfigRecord& record = block.records[static_cast<std::size_t>(slot)];
  const std::optional<model::ConfigFile> file = model::BuildConfigFile(record);
  if (!file) return ReportExport(host, model::kTitleExportConfig, {model::kFileOpenFailed, 0});
  return ReportExport(host, model::kTitleExportConfig,
                      WriteChosenFile(host, model::kTitleExportConfig, model::SuggestedConfigFileName(record),
                                      model::BytesOf(*file), model::ExchangeKind::kConfig));
}

ConfigImportResult ImportConfig(Session& session, Host& host) {
  model::FlashImage& image = session.image();
  if (!model::IsKnownHost(image.config.host)) return {};
  const FileRead read = ReadChosenFile(host, model::kTitleImportConfig, model::ExchangeKind::kConfig);
  if (read.code != model::kFileDone) return {ReportReadFailure(host, model::ExchangeKind::kConfig, read), -1};
  const model::ConfigImport import = model::ImportConfigFile(
      image, read.bytes, model::IsKnownGame, model::DefaultResponseRecord,
      [&host](std::uint8_t key) { return ConfirmOccupiedKey(host, model::kTitleImportConfig, key); });
  const ExchangeOutcome outcome = ReportImport(host, model::ExchangeKind::kConfig, import.result);
  if (outcome != ExchangeOutcome::kDone) return {outcome, -1};
  session.MarkUnsaved(import.unsaved);
  return {outcome, import.slot};
}

}  // namespace torvane::core
