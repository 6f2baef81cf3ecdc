#include "editor/exchange/ConfigExchangeFlow.h"

#include "editor/EditorHost.h"
#include "editor/exchange/ExchangeFileIo.h"
#include "editor/exchange/ExchangeReport.h"
#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/RegionBytes.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/exchange/ConfigExchange.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/SuggestedFileName.h"
#include "model/tables/ConfigTable.h"
#include "platform/NarrowText.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::editor {

bool ExportConfig(EditorHost& host, int slot) {
  const model::ConfigBlock& block = host.Image().config;
  if (slot < 0 || static_cast<std::size_t>(slot) >= model::UsedConfigCount(block)) return false;
  const model::ConfigRecord& record = block.records[static_cast<std::size_t>(slot)];
  QWidget* owner = &host.Window();
  const std::optional<model::ConfigFile> file = model::BuildConfigFile(record);
  if (!file) {
    ReportExchange(owner, model::kTitleExportConfig, model::ExportMessage(model::kFileOpenFailed, 0));
    return false;
  }
  const FileOutcome outcome = WriteExchangeFile(owner, QString::fromUtf8(model::kTitleExportConfig),
                                                platform::DecodeNarrow(model::SuggestedConfigFileName(record)),
                                                model::BytesOf(*file), model::ExchangeKind::kConfig);
  ReportExchange(owner, model::kTitleExportConfig, model::ExportMessage(outcome.code, outcome.system_error));
  return outcome.code == model::kFileDone;
}

int ImportConfig(EditorHost& host) {
  model::FlashImage& image = host.Image();
  if (!model::IsKnownHost(image.config.host)) return -1;
  QWidget* owner = &host.Window();
  const FileRead read =
      ReadExchangeFile(owner, QString::fromUtf8(model::kTitleImportConfig), model::ExchangeKind::kConfig);
  if (read.code != model::kFileDone) {
    ReportExchange(owner, model::kTitleImportConfig,
                   model::ReadFailureMessage(model::ExchangeKind::kConfig, read.code, read.system_error));
    return -1;
  }
  const model::ConfigImport import = model::ImportConfigFile(
      image, read.bytes, model::IsKnownGame, model::DefaultResponseRecord,
      [owner](std::uint8_t key) { return ConfirmOccupiedKey(owner, model::kTitleImportConfig, key); });
  if (import.result != model::ExchangeResult::kOk) {
    ReportExchange(owner, model::kTitleImportConfig, model::ImportMessage(model::ExchangeKind::kConfig, import.result));
    return -1;
  }
  host.MarkUnsaved(import.unsaved);
  return import.slot;
}

}  // namespace torvane::editor
