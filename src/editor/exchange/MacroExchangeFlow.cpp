#include "editor/exchange/MacroExchangeFlow.h"

#include "editor/EditorHost.h"
#include "editor/exchange/ExchangeFileIo.h"
#include "editor/exchange/ExchangeReport.h"
#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/RegionBytes.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/MacroExchange.h"
#include "model/exchange/SuggestedFileName.h"
#include "model/tables/MacroTable.h"
#include "platform/NarrowText.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::editor {

bool ExportMacro(EditorHost& host, std::size_t macro_index) {
  const model::MacroBlock& block = host.Image().macro;
  if (macro_index >= model::UsedMacroCount(block)) return false;
  const model::MacroRecord& record = block.records[macro_index];
  QWidget* owner = &host.Window();
  const std::optional<model::MacroFile> file = model::BuildMacroFile(record);
  if (!file) {
    ReportExchange(owner, model::kTitleExportMacro, model::ExportMessage(model::kFileOpenFailed, 0));
    return false;
  }
  const FileOutcome outcome = WriteExchangeFile(owner, QString::fromUtf8(model::kTitleExportMacro),
                                                platform::DecodeNarrow(model::SuggestedMacroFileName(record)),
                                                model::BytesOf(*file), model::ExchangeKind::kMacro);
  ReportExchange(owner, model::kTitleExportMacro, model::ExportMessage(outcome.code, outcome.system_error));
  return outcome.code == model::kFileDone;
}

bool ImportMacro(EditorHost& host, const model::ConfigRecord& owner_record) {
  model::FlashImage& image = host.Image();
  if (!model::IsKnownHost(image.config.host)) return false;
  QWidget* owner = &host.Window();
  const FileRead read =
      ReadExchangeFile(owner, QString::fromUtf8(model::kTitleImportMacro), model::ExchangeKind::kMacro);
  if (read.code != model::kFileDone) {
    ReportExchange(owner, model::kTitleImportMacro,
                   model::ReadFailureMessage(model::ExchangeKind::kMacro, read.code, read.system_error));
    return false;
  }
  // A copy: the owner may be a record of this very image, and the import must not see it change under it.
  const model::ConfigRecord edited = owner_record;
  const model::ExchangeResult result = model::ImportMacroFile(image, edited, read.bytes, [owner](std::uint8_t key) {
    return ConfirmOccupiedKey(owner, model::kTitleImportMacro, key);
  });
  ReportExchange(owner, model::kTitleImportMacro, model::ImportMessage(model::ExchangeKind::kMacro, result));
  return result == model::ExchangeResult::kOk;
}

}  // namespace torvane::editor
