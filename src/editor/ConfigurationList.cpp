#include "editor/ConfigurationList.h"

#include <array>
#include <string>

#include "core/SaveFlow.h"
#include "core/exchange/ConfigExchangeFlow.h"
#include "dialogs/CListCtrlUI.h"
#include "dialogs/CPlaySelectDlg.h"
#include "dialogs/ListCtrlEntries.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "editor/EditorHost.h"
#include "editor/HomePageTexts.h"
#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/keys/KeyName.h"
#include "model/tables/ConfigActions.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/NameText.h"
#include "model/tables/TableMessages.h"
#include "toolkit/CControlUI.h"
#include "toolkit/NarrowText.h"
#include "toolkit/TNotifyUI.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::editor {

namespace {

struct HostLook {
  const char16_t* chip;    // "ctlHostType"
  const char16_t* keymap;  // "lblHost_map"
  bool touch_pad;
  bool capture;
};

constexpr std::array<HostLook, model::kHostCount> kHostLooks{{
    {u"host_ps4.png", u"ps4_keymap.png", true, false},
    {u"host_xboxone.png", u"xboxone_keymap.png", false, false},
    {u"host_ps3.png", u"ps3_keymap.png", false, false},
    {u"host_xbox360.png", u"xbox360_keymap.png", false, false},
    {u"host_switch.png", u"switch_pro_keymap.png", false, true},
}};

// The console names of the switch row, "lblConsole0" to "lblConsole4".
constexpr std::uint32_t kCurrentConsoleColor = 0xFF007DFF;
constexpr std::uint32_t kOtherConsoleColor = 0xFF5C6572;

constexpr std::array<const char16_t*, 6> kActionButtons{u"btnNew",  u"btnCopy",    u"btnDelete",
                                                        u"btnEdit", u"btnStartUp", u"btnHostSwith"};

QString ItemName(const toolkit::CControlUI* item) {
  const auto* label = item ? item->findChild<toolkit::CControlUI*>(QStringLiteral("filename")) : nullptr;
  return label ? label->GetText() : QString();
}

}  // namespace

ConfigurationList::ConfigurationList(EditorHost& host) : host_(host) {}

dialogs::CListCtrlUI* ConfigurationList::List() const {
  return host_.Window().FindControl<dialogs::CListCtrlUI>(u"listctrl");
}

bool ConfigurationList::Notify(toolkit::TNotifyUI& msg) {
  if (msg.Is(toolkit::notify::kItemActivate)) {
    if (msg.sender_user_data != QStringView(dialogs::CListCtrlUI::kConfigItemData)) return false;
    EditSelected();
    return true;
  }
  if (!msg.Is(toolkit::notify::kClick)) return false;
  const QString& name = msg.sender_name;
  if (name == u"btnHostSwith") {
    SwitchHost();
  } else if (name == u"btnNew") {
    NewConfig();
  } else if (name == u"btnCopy") {
    CopySelected();
  } else if (name == u"btnDelete") {
    DeleteSelected();
  } else if (name == u"btnEdit") {
    EditSelected();
  } else if (name == u"btnStartUp") {
    StartUpSelected();
  } else if (name == u"btnSave") {
    Save();
  } else if (name == u"btnImportConfig") {
    ImportFile();
  } else if (name == u"btnExportConfig") {
    ExportSelected();
  } else {
    return false;
  }
  return true;
}

void ConfigurationList::ShowCurrent() {
  Show(host_.Image().config.host);
}

void ConfigurationList::Show(int host) {
  ShowHostImages(host);
  dialogs::CListCtrlUI* list = List();
  if (!list) return;
  // One layout pass for the whole refill rather than one per card.
  list->setUpdatesEnabled(false);
  list->RemoveAll();
  const model::ConfigBlock& block = host_.Image().config;
  const std::size_t used = model::UsedConfigCount(block);
  for (std::size_t i = 0; i < used; ++i) {
    if (block.records[i].host_type() == host) AppendItem(block.records[i]);
  }
  list->setUpdatesEnabled(true);
}

void ConfigurationList::ShowHostImages(int host) {
  if (!model::IsKnownHost(host)) return;
  toolkit::WindowImplBase& window = host_.Window();
  const HostLook& look = kHostLooks[static_cast<std::size_t>(host)];
  window.SetControlBkImage(u"ctlHostType", QString::fromUtf16(look.chip));
  window.SetControlBkImage(u"lblHost_map", QString::fromUtf16(look.keymap));
  window.ShowControl(u"btnPlayKey_Touchpad_Setting", look.touch_pad);
  window.ShowControl(u"btnPlayKey_Capture", look.capture);
  for (int console = 0; console < model::kHostCount; ++console) {
    const QString name = QStringLiteral("lblConsole%1").arg(console);
    window.SetControlTextColor(name, console == host ? kCurrentConsoleColor : kOtherConsoleColor);
  }
}

void ConfigurationList::AppendItem(const model::ConfigRecord& record) {
  dialogs::ConfigItemEntry entry;
  entry.file_name = toolkit::DecodeNarrow(model::ReadName(record.name));
  entry.description = QString::fromUtf8(model::KeyName(record.hotkey));
  entry.logo_image = QString::fromUtf8(model::GameImage(record.game_id));
  if (record.is_startup()) entry.startup = QString::fromUtf8(kStartupMark);
  entry.color = record.color.get();
  dialogs::CListCtrlUI* list = List();
  if (!list->AddConfigItem(entry) || entry.startup.isEmpty()) return;
  // The start-up mark as a pill in the accent colour, so it reads at a glance.
  auto* mark = list->GetItemAt(list->GetCount() - 1)->findChild<toolkit::CControlUI*>(QStringLiteral("startup"));
  if (!mark) return;
  mark->SetBkColor(kCurrentConsoleColor);
  mark->SetBorderRound(4);
  mark->SetTextColor(0xFFFFFFFF);
  mark->SetAttribute(QStringLiteral("align"), QStringLiteral("center"));
}

QString ConfigurationList::SelectedName() const {
  const dialogs::CListCtrlUI* list = List();
  if (!list || list->GetCurSel() < 0) return {};
  return ItemName(list->GetItemAt(list->GetCurSel()));
}

int ConfigurationList::SelectedSlot() const {
  const QString name = SelectedName();
  if (name.isEmpty()) return -1;
  const model::ConfigBlock& block = host_.Image().config;
  return model::FindConfigIndex(block, toolkit::EncodeNarrow(name), block.host);
}

void ConfigurationList::Warn(std::string_view text) {
  dialogs::ShowMessageBox(QString::fromUtf8(model::kTitleWarning), &host_.Window(), QString::fromUtf8(text),
                          dialogs::kMbOk);
}

void ConfigurationList::ShowGameNotes(int game_id) {
  const std::string_view notes = model::GameSettingsText(game_id);
  if (notes.empty()) return;
  dialogs::ShowPromptBox(QString::fromUtf8(model::GameTitle(game_id)), &host_.Window(),
                         QString::fromUtf8(kNotesHeading) + QString::fromUtf8(notes));
}

void ConfigurationList::NewConfig() {
  if (host_.Image().config.count >= model::kMaxConfigs) return Warn(model::kMsgConfigsExceed);
  const dialogs::CPlaySelectDlg::Result result = dialogs::CPlaySelectDlg::Run(&host_.Window(), host_.Image());
  if (result.code != dialogs::kIdOk) return;
  host_.MarkUnsaved(model::kUnsavedConfig | model::kUnsavedResponse);
  ShowCurrent();
  ShowGameNotes(result.game_id);
}

void ConfigurationList::CopySelected() {
  model::FlashImage& image = host_.Image();
  if (image.config.count >= model::kMaxConfigs) return Warn(model::kMsgConfigsExceed);
  const int slot = SelectedSlot();
  if (slot < 0) return;
  const model::ConfigActionResult result = model::CreateConfigCopy(image, slot);
  if (result.outcome != model::ConfigOutcome::kDone) {
    if (const std::string_view text = model::ConfigOutcomeMessage(result.outcome); !text.empty()) Warn(text);
    return;
  }
  AppendItem(image.config.records[static_cast<std::size_t>(result.slot)]);
  host_.MarkUnsaved(result.unsaved);
}

void ConfigurationList::DeleteSelected() {
  dialogs::CListCtrlUI* list = List();
  const int index = list ? list->GetCurSel() : -1;
  if (SelectedSlot() < 0) return;
  const int answer = dialogs::ShowMessageBox(QString::fromUtf8(model::kTitleWarning), &host_.Window(),
                                             QString::fromUtf8(model::kMsgDeleteConfig), dialogs::kMbYesNo);
  if (answer != dialogs::kIdYes) return;
  model::FlashImage& image = host_.Image();
  const unsigned changed =
      model::DeleteConfigWithMacros(image, image.config.host, toolkit::EncodeNarrow(SelectedName()));
  if (changed == 0) return;
  host_.MarkUnsaved(changed);
  list->RemoveAt(index);
}

void ConfigurationList::StartUpSelected() {
  if (SelectedSlot() < 0) return;
  if (!model::SetStartup(host_.Image().config, toolkit::EncodeNarrow(SelectedName()))) return;
  ShowCurrent();
  host_.MarkUnsaved(model::kUnsavedConfig);
}

void ConfigurationList::ImportFile() {
  const core::ConfigImportResult imported = core::ImportConfig(host_.Session(), host_.FlowHost());
  if (imported.outcome != core::ExchangeOutcome::kDone) return;
  ShowCurrent();
  ShowGameNotes(host_.Image().config.records[static_cast<std::size_t>(imported.slot)].game_id);
}

void ConfigurationList::ExportSelected() {
  const int slot = SelectedSlot();
  if (slot >= 0) core::ExportConfig(host_.Session(), host_.FlowHost(), slot);
}

void ConfigurationList::SwitchHost() {
  model::ConfigBlock& block = host_.Image().config;
  block.host = static_cast<std::uint8_t>((block.host + 1) % model::kHostCount);
  ShowCurrent();
}

void ConfigurationList::EditSelected() {
  const int slot = SelectedSlot();
  if (slot >= 0) host_.OpenEditPage(slot);
}

bool ConfigurationList::Save() {
  if (saving_) return false;
  saving_ = true;
  EnableActions(false);
  host_.Window().EnableControl(u"btnSave", false);
  const core::SaveResult saved = core::SaveChanges(host_.Session(), host_.FlowHost());
  saving_ = false;
  EnableActions(true);
  // The only configuration of the console became the start-up one, as if the player had chosen it.
  if (saved.startup_chosen) ShowCurrent();
  // The marker decides: still marked after a failure, cleared after success; typed-and-undone text leaves none.
  if (host_.UnsavedMask() == 0) host_.MarkUnsaved(0);
  host_.RefreshSaveButton();
  return saved.outcome == core::SaveResult::Outcome::kSaved ||
         saved.outcome == core::SaveResult::Outcome::kNothingToSave;
}

void ConfigurationList::EnableActions(bool enable) {
  for (const char16_t* name : kActionButtons) host_.Window().EnableControl(name, enable);
}

}  // namespace torvane::editor
