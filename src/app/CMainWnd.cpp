#include "app/CMainWnd.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/MainPage.h"
#include "app/MainWindowTexts.h"
#include "core/AdapterChecks.h"
#include "core/BackupRestore.h"
#include "core/FirmwareProcedures.h"
#include "core/news/NewsFile.h"
#include "device/AdapterTexts.h"
#include "device/CompatibilityRules.h"
#include "device/DeviceMessages.h"
#include "device/UpgradeChoice.h"
#include "dialogs/CBackupsDlg.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/CListCtrlUI.h"
#include "dialogs/CMessageBoxDlg.h"
#include "dialogs/CMessageDlg.h"
#include "dialogs/CMyProgressUI.h"
#include "dialogs/CProgressDlg.h"
#include "dialogs/CRestoreFactoryDlg.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "editor/CGlobalSettingsDlg.h"
#include "editor/CKeyMapDlg.h"
#include "editor/GlobalSettings.h"
#include "editor/exchange/FileDialogs.h"
#include "editor/macros/MacroTexts.h"
#include "editor/settings/SettingsDialog.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/tables/ConfigTable.h"
#include "platform/OpenLink.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/SkinArchive.h"

namespace torvane::app {

static_assert(core::kAnswerOk == dialogs::kIdOk && core::kAnswerCancel == dialogs::kIdCancel &&
              core::kAnswerYes == dialogs::kIdYes && core::kAnswerNo == dialogs::kIdNo);
static_assert(static_cast<int>(core::WriteKind::kSave) == dialogs::kProgressSave &&
              static_cast<int>(core::WriteKind::kRestoreConfiguration) == dialogs::kProgressRestoreConfiguration &&
              static_cast<int>(core::WriteKind::kUpgradeFirmware) == dialogs::kProgressUpgradeFirmware &&
              static_cast<int>(core::WriteKind::kRestoreAll) == dialogs::kProgressRestoreAll);
static_assert(dialogs::CRestoreFactoryDlg::kChoiceClosed == device::kChoiceNone &&
              dialogs::CRestoreFactoryDlg::kChoiceRestoreConfiguration == device::kChoiceRestoreConfiguration &&
              dialogs::CRestoreFactoryDlg::kChoiceUpgradeFirmware == device::kChoiceUpgradeFirmware);

namespace {

bool NameIs(const QString& name, const char* expected) {
  return name.compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
}

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A chosen file's name as the system's file calls take it.
std::optional<std::string> NativePath(const std::optional<QString>& chosen) {
  if (!chosen) return std::nullopt;
  return QFile::encodeName(*chosen).toStdString();
}

// The adapter page's buttons stay off while a write runs, so no second write can be started from them.
class PageButtonsOff {
 public:
  explicit PageButtonsOff(CMainWnd& window) : window_(window) { Enable(false); }
  ~PageButtonsOff() { Enable(true); }
  PageButtonsOff(const PageButtonsOff&) = delete;
  PageButtonsOff& operator=(const PageButtonsOff&) = delete;

 private:
  void Enable(bool on) {
    window_.EnableControl(u"btnDeviceArrival", on);
    window_.EnableControl(u"btnUpgrade", on);
  }
  CMainWnd& window_;
};

}  // namespace

CMainWnd::CMainWnd(MainWndEnvironment environment)
    : env_(std::move(environment)),
      owner_target_(std::make_shared<dialogs::WindowResultTarget>(Ref())),
      presence_host_(std::make_unique<PresenceTimerHost>(PresenceTimerHost::Actions{
          .on_tick = [this] { presence_.OnSettleTimer(); },
          .post_read_request =
              [this] {
                if (worker_) worker_->PostRead(0, presence_.adapter_tag(), owner_target_);
              },
          .post_device_removed = [this] { toolkit::PostMessage(Ref(), device::MSG_DEVICE_REMOVED); },
          .query_installation =
              [this] { return env_.source ? env_.source->QueryInstallation() : device::InstallationState::kIdle; },
      })),
      presence_(env_.state->context, *presence_host_) {
  if (!env_.open_link) {
    env_.open_link = [](const QUrl& url) { return platform::OpenLink(url.toEncoded().toStdString()); };
  }
  env_.state->session.set_unsaved_observer([this](unsigned /*mask*/) { RefreshSaveButton(); });
}

CMainWnd::~CMainWnd() {
  env_.state->session.set_unsaved_observer({});
  // The worker finishes the request in hand and stops before the context it uses goes away.
  worker_.reset();
}

QString CMainWnd::GetWindowClassName() const {
  return QStringLiteral("MainWnd");
}

QString CMainWnd::GetSkinFile() const {
  return QStringLiteral("Main_dlg.xml");
}

void CMainWnd::InitWindow() {
  platform::SingleInstance::Outcome outcome{};
  instance_ = platform::SingleInstance::TryAcquire(env_.instance_name, &outcome);
  if (outcome == platform::SingleInstance::Outcome::kHeldElsewhere) {
    refused_second_instance_ = true;
    dialogs::ShowMessageBox(QString::fromUtf8(kWarningTitle), this, QString::fromUtf8(kAlreadyRunningText),
                            dialogs::kMbOk);
    return;
  }

  model::PrepareCatalogue();
  mapping_group_names_[0] = QString::fromUtf8(kPrimaryMappingName);
  mapping_group_names_[1] = QString::fromUtf8(kSecondaryMappingName);

  tab_ = FindControl<toolkit::CTabLayoutUI>(u"tabLayoutWnd");
  // The message kept from an earlier run comes back through the same checks as a new one.
  if (const std::vector<std::uint8_t> kept = core::LoadNewsFile(); !kept.empty()) news_.Receive(kept);
  ShowNewsButton();

  if (env_.source) {
    // The source may outlive the window; a change reported after it has gone is dropped.
    env_.source->Watch(
        [self = QPointer<CMainWnd>(this)](AdapterSource::Change change, const device::DeviceEvent& event) {
          if (self) self->OnAdapterChange(change, event);
        });
    worker_ =
        std::make_unique<device::DeviceWorker>(env_.source->CreateTransport(), env_.state->context, owner_target_);
    if (const int error = env_.start_worker(*worker_); error != 0) {
      // Without the worker no read ever answers: say so rather than wait on page 2 in silence.
      dialogs::ShowMessageBox(QString::fromUtf8(device::kUsbErrorTitle), this,
                              QString::fromStdString(device::WorkerStartFailedText(error)), dialogs::kMbOk);
    }
    presence_.Discover(env_.source->PresentAdapters());
  }
  SelectPage(kPageDeviceRemove);
}

void CMainWnd::OnAdapterChange(AdapterSource::Change change, const device::DeviceEvent& event) {
  if (change == AdapterSource::Change::kArrival) {
    presence_.OnArrival(event);
  } else {
    presence_.OnRemoval(event);
  }
}

int CMainWnd::CurrentPage() const {
  return tab_ ? tab_->GetCurSel() : -1;
}

void CMainWnd::SelectPage(int page) {
  if (tab_) tab_->SelectItem(page);
}

bool CMainWnd::HandleCustomMessage(unsigned message, std::uintptr_t wparam, std::intptr_t /*lparam*/,
                                   const std::any& payload) {
  switch (static_cast<int>(message)) {
    case device::MSG_DEVICE_REMOVED:
      OnDeviceRemoved();
      return true;
    case device::MSG_READ_DONE:
      OnReadDone(dialogs::ReadResultOf(payload).get());
      return true;
    case device::MSG_INCOMPATIBLE:
      if (!IsCurrentRead(dialogs::ReadResultOf(payload).get())) return true;
      if (wparam == device::kIncompatibleUpgradable) SelectPage(kPageIncompatibleUpgrade);
      if (wparam == device::kIncompatibleNeedsOldManager) SelectPage(kPageIncompatible);
      return true;
    case device::MSG_DEVICE_FAILED:
      OnDeviceFailed(dialogs::FailureOf(payload));
      return true;
    default:
      return false;
  }
}

bool CMainWnd::IsCurrentRead(const device::ReadResult* read) const {
  // A read that finished after its adapter went away, or one of an earlier plug-in, belongs to no adapter shown.
  return read != nullptr && presence_.state() == device::PresenceState::kPresent &&
         read->adapter == presence_.adapter_tag();
}

void CMainWnd::OnReadDone(const device::ReadResult* read) {
  if (!IsCurrentRead(read) || !read->image) return;
  // Edits left unsaved by an unplug come back over the same adapter's fresh read.
  env_.state->session.TakeRead(*read->image, read->run_status);
  SelectPage(kPageDeviceArrival);
}

void CMainWnd::OnDeviceRemoved() {
  // A capture waiting for a key has no adapter to map it for any more.
  if (key_capture_) key_capture_->Close(editor::CKeyMapDlg::kDeviceFailed);
  CloseEditingDialogs();
  ShowControl(u"layToolBars", false);
  ShowControl(u"btnTitle", false);
  SetControlBkImage(u"layWndBackground", QString::fromUtf8(kInitBackground));
  // The editing and macro pages' changes are kept with the rest; the adapter is gone, so nobody is asked.
  CommitMacroPages(false);
  if (const int page = CurrentPage(); page >= kPagePlayEdit && page <= kPageMacroEditor) edit_page_.CommitQuietly();
  SelectPage(kPageDeviceRemove);
  env_.state->session.SetEditsAside();
  ResetSaveButton();
}

void CMainWnd::CloseEditingDialogs() {
  // Edits are kept for the adapter's return as they stand now; a dialog confirmed later would write past them, and
  // a question answered later would act on an adapter that may not be the one it asked about. Closing as the
  // system does applies nothing and answers no. The progress dialog stays: it ends with its write.
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = dynamic_cast<toolkit::WindowImplBase*>(widget);
    if (dialog == nullptr || dialog == this || !dialog->IsModalRunning()) continue;
    if (dynamic_cast<editor::SettingsDialog*>(dialog) || dynamic_cast<editor::CGlobalSettingsDlg*>(dialog) ||
        dynamic_cast<dialogs::CMessageBoxDlg*>(dialog) || dynamic_cast<dialogs::CRestoreFactoryDlg*>(dialog) ||
        dynamic_cast<dialogs::CBackupsDlg*>(dialog)) {
      dialog->Close(toolkit::WindowImplBase::kSystemCloseCode);
    }
  }
}

void CMainWnd::ResetSaveButton() {
  SetControlText(u"btnSave", QString::fromUtf8(kSaveText));
  SetControlTextColor(u"btnSave", kSaveTextColor);
  if (auto* save = FindControl<toolkit::CButtonUI>(u"btnSave"))
    save->SetAppearance(toolkit::CButtonUI::Appearance::kPrimary);
  EnableControl(u"btnSave", false);
}

void CMainWnd::OnDeviceFailed(const device::DeviceFailure& failure) {
  Tell(device::kUsbErrorTitle, device::UsbErrorText(failure), core::Tone::kFailure);
}

void CMainWnd::MarkUnsaved(unsigned bits) {
  if (bits == 0) {
    env_.state->session.ClearUnsaved();
    ResetSaveButton();
    return;
  }
  env_.state->session.MarkUnsaved(bits);
}

void CMainWnd::RefreshSaveButton() {
  if (env_.state->session.unsaved() == 0 && !EditsDiffer()) {
    ResetSaveButton();
    return;
  }
  SetControlText(u"btnSave", QString::fromUtf8(kSaveUnsavedText));
  SetControlTextColor(u"btnSave", kSaveUnsavedTextColor);
  // The red marker does not read on the accent fill; the accent stays as the primary button's outline.
  if (auto* save = FindControl<toolkit::CButtonUI>(u"btnSave"))
    save->SetAppearance(toolkit::CButtonUI::Appearance::kOutline);
  EnableControl(u"btnSave", true);
}

bool CMainWnd::EditsDiffer() {
  const int page = CurrentPage();
  if (page < kPagePlayEdit || page > kPageMacroEditor) return false;
  if (edit_page_.Differs()) return true;
  if (page == kPagePlayEdit || !macro_snapshot_) return false;
  if (page == kPageMacroEditor && macro_editor_.IsOpen()) return macro_editor_.Differs(*macro_snapshot_);
  return std::memcmp(macro_snapshot_.get(), &env_.state->session.image().macro, sizeof(model::MacroBlock)) != 0;
}

QWidget* CMainWnd::BoxOwner() {
  toolkit::WindowImplBase* modal = toolkit::WindowImplBase::ActiveModal();
  return modal != nullptr ? modal : this;
}

int CMainWnd::Ask(std::string_view title, std::string_view text, core::Buttons buttons) {
  const int style = buttons == core::Buttons::kYesNo      ? dialogs::kMbYesNo
                    : buttons == core::Buttons::kOkCancel ? dialogs::kMbOkCancel
                                                          : dialogs::kMbOk;
  return dialogs::ShowMessageBox(Text(title), BoxOwner(), Text(text), style);
}

void CMainWnd::Tell(std::string_view title, std::string_view text, core::Tone /*tone*/) {
  dialogs::ShowMessageBox(Text(title), BoxOwner(), Text(text), dialogs::kMbOk);
}

core::WriteResult CMainWnd::RunWrite(const device::WritePlan& plan, core::WriteKind kind) {
  if (!worker_ || writing_) return {false, {0, "The adapter is busy with another write."}};
  writing_ = true;
  core::WriteResult result;
  {
    const PageButtonsOff off(*this);
    dialogs::CProgressDlg dialog;
    dialog.SetMode(static_cast<int>(kind));
    if (dialog.Create(this, QString())) {
      // The dialog's target dies with the dialog, so a late message of this write reaches nobody.
      const auto target = std::make_shared<dialogs::WindowResultTarget>(dialog.Ref());
      worker_->PostWrite(0, plan, target);
      result.done = dialog.ShowModal() == dialogs::kIdYes;
      result.failure = dialog.failure();
    }
  }
  writing_ = false;
  return result;
}

std::optional<std::string> CMainWnd::ChooseFileToOpen(std::string_view title, model::ExchangeKind kind) {
  return NativePath(editor::FileDialogs::Current().ChooseOpen(BoxOwner(), Text(title), kind));
}

std::optional<std::string> CMainWnd::ChooseFileToSave(std::string_view title, std::string_view suggested_name,
                                                      model::ExchangeKind kind) {
  return NativePath(editor::FileDialogs::Current().ChooseSave(BoxOwner(), Text(title), Text(suggested_name), kind));
}

void CMainWnd::RunAdapterChecks() {
  if (writing_) return;
  const core::CheckResult checked = core::RunAdapterChecks(env_.state->session, *this, core::Repairs::kOffer);
  // Unplugged meanwhile: its boxes were closed unanswered, and nothing of the checks' outcome applies any more.
  if (presence_.state() != device::PresenceState::kPresent) return;
  switch (checked.outcome) {
    case core::CheckResult::Outcome::kExitProgram:
      ExitProgram();
      return;
    case core::CheckResult::Outcome::kReady:
      ShowHomePage();
      return;
    case core::CheckResult::Outcome::kStopped:
    case core::CheckResult::Outcome::kNeedsRepair:
      return;
  }
}

void CMainWnd::PressUpgradeButton() {
  if (writing_) return;
  const core::UpgradeButtonResult pressed =
      core::PressUpgradeButton(env_.state->session, *this, [this] { return dialogs::CRestoreFactoryDlg::Run(this); });
  if (presence_.state() != device::PresenceState::kPresent) return;
  switch (pressed.next) {
    case core::UpgradeButtonNext::kHomePage:
      ShowHomePage();
      return;
    case core::UpgradeButtonNext::kAdapterPage:
      SelectPage(kPageDeviceArrival);
      return;
    case core::UpgradeButtonNext::kExitProgram:
      ExitProgram();
      return;
    case core::UpgradeButtonNext::kNothing:
    case core::UpgradeButtonNext::kRefused:
      return;
  }
}

void CMainWnd::RestoreFromBackup() {
  core::Session& session = env_.state->session;
  const core::Serial serial = session.image().info.serial;
  const std::vector<core::StoredBackup> backups = session.backups().store().ListAll(serial);
  const int index = dialogs::CBackupsDlg::Run(this, backups, serial, [this, &serial](const core::StoredBackup& chosen) {
    return core::ConfirmBackupRestore(*this, chosen.parsed.header, *chosen.parsed.image, serial) ==
           core::BackupConfirmation::kConfirmed;
  });
  if (index < 0) return;
  core::RestoreBackup(session, *this, *backups[static_cast<std::size_t>(index)].parsed.image);
}

void CMainWnd::ShowHomePage() {
  ShowControl(u"layToolBars", true);
  ShowControl(u"btnhelp", true);
  ShowControl(u"btnSettings", true);
  ShowControl(u"btnHome", false);
  SelectPage(kPagePlaySelect);
  SetControlText(u"btnTitle", QString::fromUtf8(kHomeTitle));
  ShowControl(u"btnTitle", true);
  SetControlBkImage(u"layWndBackground", QString::fromUtf8(kHomeBackground));
  home_.ShowCurrent();
}

void CMainWnd::OpenEditPage(int slot) {
  // The editing page is built on its first use, and its key buttons with it.
  keys_.InitMainButtons(*this);
  const model::ConfigBlock& block = Image().config;
  if (slot >= 0 && static_cast<std::size_t>(slot) < model::UsedConfigCount(block)) {
    keys_.ShowHost(block.records[static_cast<std::size_t>(slot)].host_type());
  }
  if (!edit_page_.Open(slot)) return;
  SelectPage(kPagePlayEdit);
  ShowControl(u"btnHome", true);
  ShowControl(u"btnSettings", false);
  SetControlText(u"btnTitle", QString::fromUtf8(kEditConfigurationTitle));
  SetControlBkImage(u"layWndBackground", QString::fromUtf8(kEditBackground));
}

void CMainWnd::LeaveEditPage() {
  edit_page_.Commit();
  ShowHomePage();
}

editor::CapturedKey CMainWnd::CaptureKey(toolkit::WindowImplBase& owner) {
  editor::CKeyMapDlg dialog(
      env_.create_input_capture ? env_.create_input_capture() : nullptr,
      [this](int request, std::weak_ptr<device::ResultTarget> target) {
        if (worker_) worker_->Post(request, 0, std::move(target));
      },
      env_.state->session.run_status().working_mode());
  dialog.SetShowTime(env_.captured_key_show_ms);
  if (!dialog.Create(&owner, QStringLiteral("Key mapping"))) return {};
  key_capture_ = &dialog;
  const int result = dialog.ShowModal();
  key_capture_ = nullptr;
  return {result, result == editor::CKeyMapDlg::kCaptured ? dialog.GetCapturedKey() : std::uint8_t{0}};
}

void CMainWnd::ShowMacroManager() {
  SetControlText(u"btnTitle", QString::fromUtf8(kMacroManagerTitle));
  SelectPage(kPageMacroManager);
  ShowControl(u"btnHome", false);
  if (const model::ConfigRecord* record = edit_page_.current_record()) macro_manager_.Show(*record);
}

void CMainWnd::OpenMacroEditor(const std::string& name) {
  model::ConfigRecord* record = edit_page_.current_record();
  if (record == nullptr || !macro_editor_.Open(*record, name)) return;
  SelectPage(kPageMacroEditor);
  SetControlText(u"btnTitle", QString::fromUtf8(editor::kEditMacroTitle));
}

void CMainWnd::CommitMacroPages(bool ask) {
  const int page = CurrentPage();
  if (page != kPageMacroManager && page != kPageMacroEditor) return;
  if (page == kPageMacroEditor) macro_editor_.Store(ask);
  if (macro_snapshot_ && std::memcmp(macro_snapshot_.get(), &Image().macro, sizeof(model::MacroBlock)) != 0) {
    MarkUnsaved(model::kUnsavedMacro);
  }
}

void CMainWnd::TakeMacroSnapshot() {
  if (!macro_snapshot_) macro_snapshot_ = std::make_unique<model::MacroBlock>();
  std::memcpy(static_cast<void*>(macro_snapshot_.get()), &Image().macro, sizeof(model::MacroBlock));
}

void CMainWnd::OpenMacroManager() {
  TakeMacroSnapshot();
  ShowMacroManager();
}

void CMainWnd::LeaveMacroManager() {
  SelectPage(kPagePlayEdit);
  // Without a snapshot the manager was never opened through its button; a fresh one makes the comparison exact.
  if (macro_snapshot_ && std::memcmp(macro_snapshot_.get(), &Image().macro, sizeof(model::MacroBlock)) != 0) {
    MarkUnsaved(model::kUnsavedMacro);
  }
  SetControlText(u"btnTitle", QString::fromUtf8(kEditConfigurationTitle));
  ShowControl(u"btnHome", true);
}

void CMainWnd::Notify(toolkit::TNotifyUI& msg) {
  const int page = CurrentPage();
  const bool editing = page == kPagePlayEdit;
  if (page >= kPagePlayEdit && page <= kPageMacroEditor && msg.Is(toolkit::notify::kClick) &&
      msg.sender_name == u"btnSave") {
    // What the fields hold goes with the save; once saved, the record and the macros as they stand are the ones
    // to compare with.
    msg.handled = true;
    CommitMacroPages(true);
    edit_page_.Commit();
    if (home_.Save()) {
      edit_page_.TakeSnapshot();
      TakeMacroSnapshot();
    }
    RefreshSaveButton();
    return;
  }
  // The home page's controls (and "btnSave", which saves from any page).
  if (home_.Notify(msg)) {
    msg.handled = true;
    return;
  }
  if (editing && (edit_page_.Notify(msg) || keys_.Notify(msg, edit_page_.current_record()))) {
    msg.handled = true;
    return;
  }
  model::ConfigRecord* record = edit_page_.current_record();
  if ((page == kPageMacroManager && record != nullptr && macro_manager_.Notify(msg, *record)) ||
      (page == kPageMacroEditor && macro_editor_.Notify(msg))) {
    msg.handled = true;
    return;
  }
  if (!msg.Is(toolkit::notify::kClick)) return;
  if (msg.sender_name == u"btn_Download_Upgrade_Tool" || msg.sender_name == u"btn_Download_Manager") {
    msg.handled = true;
    OpenDownloadPage();
  } else if (msg.sender_name == u"btnHome") {
    msg.handled = true;
    if (editing) {
      LeaveEditPage();
    } else {
      ShowHomePage();
    }
  } else if (msg.sender_name == u"btnSettings") {
    msg.handled = true;
    editor::RunGlobalSettings(*this);
  } else if (msg.sender_name == u"btnDeviceArrival") {
    msg.handled = true;
    RunAdapterChecks();
  } else if (msg.sender_name == u"btnUpgrade") {
    msg.handled = true;
    PressUpgradeButton();
  } else if (msg.sender_name == u"btnMessage") {
    msg.handled = true;
    OpenNews();
  } else if (msg.sender_name == u"btnhelp") {
    msg.handled = true;
    if (dialogs::CHelpDlg::Run(this, Image()) == dialogs::CHelpDlg::kOpenBackups) RestoreFromBackup();
  }
}

model::NewsReceipt CMainWnd::ReceiveNews(std::span<const std::uint8_t> record) {
  const model::NewsReceipt receipt = news_.Receive(record);
  if (receipt == model::NewsReceipt::kStored) core::StoreNewsFile(news_.file_bytes());
  ShowNewsButton();
  return receipt;
}

void CMainWnd::ShowNewsButton() {
  auto* button = FindControl(u"btnMessage");
  if (!button) return;
  button->SetVisible(news_.has_news());
  const bool unread = news_.unread();
  button->SetUserData(unread ? QString::fromUtf8(kNewMessageText) : QString());
  button->SetText(QString::fromUtf8(unread ? kNewMessageText : kMessageText));
  button->SetTextColor(unread ? kNewMessageTextColor : kMessageTextColor);
}

void CMainWnd::OpenNews() {
  if (auto* button = FindControl(u"btnMessage")) button->SetUserData(QString());
  dialogs::CMessageDlg::Run(
      this, news_, [](std::span<const std::uint8_t> record) { core::StoreNewsFile(record); }, env_.open_link);
  ShowNewsButton();
}

void CMainWnd::ExitProgram() {
  exit_requested_ = true;
  Close(0);
}

void CMainWnd::RequestFreshRead() {
  if (worker_ && presence_.state() == device::PresenceState::kPresent) {
    // The read replaces the shown image: unsaved edits step aside as for an unplug and come back over it.
    env_.state->session.SetEditsAside();
    ResetSaveButton();
    worker_->PostRead(0, presence_.adapter_tag(), owner_target_);
  }
}

void CMainWnd::OpenDownloadPage() {
  const QString address = QString::fromUtf8(kDownloadAddress);
  if (!env_.open_link(QUrl(address))) {
    // Ending now would leave the player without the address; the window stays and shows it instead.
    dialogs::ShowMessageBox(QString::fromUtf8(kWarningTitle), this, QString::fromUtf8(kLinkNotOpenedText) + address,
                            dialogs::kMbOk);
    return;
  }
  // The program ends here with 0, whatever the pages hold.
  exit_requested_ = true;
  Close(0);
}

bool CMainWnd::MessageFilter(QKeyEvent* event) {
  // The main window never closes on Escape.
  return event->type() == QEvent::KeyPress && event->key() == Qt::Key_Escape;
}

void CMainWnd::mouseDoubleClickEvent(QMouseEvent* event) {
  // No maximising from the title bar: the pages are laid out for the fixed size.
  event->accept();
}

toolkit::CControlUI* CMainWnd::CreateControl(const QString& element_name) {
  if (NameIs(element_name, "MyProgress")) return new dialogs::CMyProgressUI;
  if (NameIs(element_name, "ListCtrl")) return new dialogs::CListCtrlUI(&GetPaintManager());
  return nullptr;
}

bool CMainWnd::OnClose(int /*code*/) {
  if (exit_requested_ || refused_second_instance_) return true;
  switch (CurrentPage()) {
    case kPagePlayEdit:
      LeaveEditPage();
      return false;
    case kPageMacroEditor:
      macro_editor_.Close(true);
      ShowMacroManager();
      return false;
    case kPageMacroManager:
      LeaveMacroManager();
      return false;
    default:
      break;
  }
  if (env_.state->session.unsaved() == 0) return true;
  if (CurrentPage() == kPageDeviceRemove) return true;
  const int answer = dialogs::ShowMessageBox(QString::fromUtf8(kWarningTitle), this,
                                             QString::fromUtf8(kDiscardQuestion), dialogs::kMbYesNo);
  // Only an explicit Yes discards: Escape or the box's own close button must not throw the edits away.
  return answer == dialogs::kIdYes;
}

}  // namespace torvane::app
