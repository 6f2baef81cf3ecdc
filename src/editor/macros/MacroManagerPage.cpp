#include "editor/macros/MacroManagerPage.h"

#include "core/exchange/MacroExchangeFlow.h"
#include "dialogs/CListCtrlUI.h"
#include "dialogs/ListCtrlEntries.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "editor/EditorHost.h"
#include "model/ConfigRecord.h"
#include "model/FlashImage.h"
#include "model/keys/KeyClass.h"
#include "model/keys/KeyName.h"
#include "model/tables/MacroActions.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"
#include "model/tables/TableMessages.h"
#include "toolkit/CComboUI.h"
#include "toolkit/NarrowText.h"
#include "toolkit/TNotifyUI.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::editor {

namespace {

constexpr char16_t kMacroList[] = u"macro_listctrl";
constexpr char16_t kOwnerLabel[] = u"lblMacroOwner";
// The editor's chooser names the trigger modes for the cards too.
constexpr char16_t kTriggerCombo[] = u"comboTriggerBehavior";

QString Decoded(std::string_view narrow) {
  return toolkit::DecodeNarrow(narrow);
}

}  // namespace

MacroManagerPage::MacroManagerPage(EditorHost& host, std::function<void(const std::string&)> open_editor)
    : host_(host), open_editor_(std::move(open_editor)) {}

dialogs::CListCtrlUI* MacroManagerPage::List() const {
  return host_.Window().FindControl<dialogs::CListCtrlUI>(kMacroList);
}

void MacroManagerPage::Show(const model::ConfigRecord& owner) {
  host_.Window().SetControlText(kOwnerLabel, Decoded(model::ReadName(owner.name)));
  dialogs::CListCtrlUI* list = List();
  if (list == nullptr) return;
  list->setUpdatesEnabled(false);
  list->RemoveAll();
  const model::MacroBlock& block = host_.Image().macro;
  const std::string_view owner_name = model::ReadName(owner.name);
  const std::size_t used = model::UsedMacroCount(block);
  for (std::size_t i = 0; i < used; ++i) {
    const model::MacroRecord& macro = block.records[i];
    if (macro.host == owner.host_type() && model::ReadName(macro.owner_name) == owner_name) AppendItem(macro);
  }
  list->setUpdatesEnabled(true);
}

void MacroManagerPage::AppendItem(const model::MacroRecord& macro) {
  dialogs::MacroItemEntry entry;
  entry.name = Decoded(model::ReadName(macro.macro_name));
  entry.hotkey = QString::fromUtf8(model::KeyName(macro.macro_hotkey));
  if (const auto* combo = host_.Window().FindControl<toolkit::CComboUI>(kTriggerCombo)) {
    entry.trigger_mode = combo->GetItemText(macro.trigger_mode);
  }
  entry.logo_image = QString::fromUtf8(model::MacroIcon(model::KeyClass(macro.macro_hotkey)));
  if (dialogs::CListCtrlUI* list = List()) list->AddMacroItem(entry);
}

bool MacroManagerPage::Notify(toolkit::TNotifyUI& msg, const model::ConfigRecord& owner) {
  if (msg.Is(toolkit::notify::kItemActivate)) {
    if (msg.sender_user_data != QStringView(dialogs::CListCtrlUI::kMacroItemData)) return false;
    EditSelected(owner);
    return true;
  }
  if (!msg.Is(toolkit::notify::kClick)) return false;
  const QString& name = msg.sender_name;
  if (name == u"btnNewMacro") {
    NewMacro(owner);
  } else if (name == u"btnCopyMacro") {
    CopySelected(owner);
  } else if (name == u"btnDeleteMacro") {
    DeleteSelected(owner);
  } else if (name == u"btnEditMacro") {
    EditSelected(owner);
  } else if (name == u"btnExportMacro") {
    ExportSelected(owner);
  } else if (name == u"btnImportMacro") {
    // The import appends the macro at the table's end.
    if (core::ImportMacro(host_.Session(), host_.FlowHost(), owner) == core::ExchangeOutcome::kDone)
      Added(static_cast<int>(model::UsedMacroCount(host_.Image().macro)) - 1, true, {});
  } else {
    return false;
  }
  return true;
}

std::optional<std::string> MacroManagerPage::SelectedMacro(const model::ConfigRecord& owner) const {
  const dialogs::CListCtrlUI* list = List();
  const toolkit::CControlUI* item = list != nullptr ? list->GetItemAt(list->GetCurSel()) : nullptr;
  const auto* label = item != nullptr ? item->findChild<toolkit::CControlUI*>(QStringLiteral("macro_name")) : nullptr;
  if (label == nullptr) return std::nullopt;
  std::string name = toolkit::EncodeNarrow(label->GetText());
  if (model::FindMacroIndex(host_.Image().macro, model::ReadName(owner.name), name, owner.host_type()) < 0) {
    return std::nullopt;
  }
  return name;
}

void MacroManagerPage::Added(int slot, bool added, std::string_view message) {
  if (!added) {
    if (!message.empty()) {
      dialogs::ShowMessageBox(QString::fromUtf8(model::kTitleWarning), &host_.Window(),
                              QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())),
                              dialogs::kMbOk);
    }
    return;
  }
  AppendItem(host_.Image().macro.records[static_cast<std::size_t>(slot)]);
  // The new card is the one the next action is meant for.
  if (dialogs::CListCtrlUI* list = List()) list->SelectItem(list->GetCount() - 1);
  OfferSave();
}

void MacroManagerPage::NewMacro(const model::ConfigRecord& owner) {
  const model::MacroActionResult result = model::NewMacro(host_.Image().macro, owner);
  Added(result.slot, result.outcome == model::MacroOutcome::kDone, model::MacroOutcomeMessage(result.outcome));
}

void MacroManagerPage::CopySelected(const model::ConfigRecord& owner) {
  const std::optional<std::string> source = SelectedMacro(owner);
  if (!source) return;
  const model::MacroActionResult result = model::CopyMacro(host_.Image().macro, owner, *source);
  Added(result.slot, result.outcome == model::MacroOutcome::kDone, model::MacroOutcomeMessage(result.outcome));
}

void MacroManagerPage::DeleteSelected(const model::ConfigRecord& owner) {
  dialogs::CListCtrlUI* list = List();
  const std::optional<std::string> name = SelectedMacro(owner);
  if (!name || list == nullptr) return;
  const int index = list->GetCurSel();
  if (!model::DeleteMacro(host_.Image().macro, owner.host_type(), *name, model::ReadName(owner.name))) return;
  list->RemoveAt(index);
  OfferSave();
}

void MacroManagerPage::ExportSelected(const model::ConfigRecord& owner) {
  const std::optional<std::string> name = SelectedMacro(owner);
  if (!name) return;
  const int index = model::FindMacroIndex(host_.Image().macro, model::ReadName(owner.name), *name, owner.host_type());
  if (index >= 0) core::ExportMacro(host_.Session(), host_.FlowHost(), static_cast<std::size_t>(index));
}

void MacroManagerPage::EditSelected(const model::ConfigRecord& owner) {
  if (const std::optional<std::string> name = SelectedMacro(owner)) open_editor_(*name);
}

void MacroManagerPage::OfferSave() {
  host_.RefreshSaveButton();
}

}  // namespace torvane::editor
