#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "app/AdapterSource.h"
#include "app/ManagerState.h"
#include "app/PresenceTimerHost.h"
#include "core/Host.h"
#include "device/DevicePresence.h"
#include "device/DeviceWorker.h"
#include "dialogs/WindowResultTarget.h"
#include "editor/ConfigurationList.h"
#include "editor/EditPage.h"
#include "editor/EditorHost.h"
#include "editor/KeyMapping.h"
#include "editor/macros/MacroEditorPage.h"
#include "editor/macros/MacroManagerPage.h"
#include "model/exchange/NewsStore.h"
#include "platform/InputCapture.h"
#include "platform/SingleInstance.h"
#include "toolkit/CTabLayoutUI.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::app {

// What the main window works with, handed in by the program (or a test).
struct MainWndEnvironment {
  ManagerState* state = nullptr;    // outlives the window
  AdapterSource* source = nullptr;  // outlives the window
  std::string instance_name;        // the single-instance lock
  // Opens a web address in the player's browser; false when none could be opened. The system's own when empty.
  std::function<bool(const QUrl&)> open_link;
  // Starts the device worker's thread: 0 or the system error code.
  std::function<int(device::DeviceWorker&)> start_worker = [](device::DeviceWorker& worker) { return worker.Start(); };
  // Takes the PC's keyboard and mouse while a key is captured.
  std::function<std::unique_ptr<platform::InputCapture>()> create_input_capture = &platform::InputCapture::Create;
  // How long the capture dialog shows the captured key before it closes.
  int captured_key_show_ms = 600;
};

// The program's one window. Its tab layout "tabLayoutWnd" holds every page; the window moves between them as the
// adapter comes and goes and as the device worker reports. It runs the core's flows as their host: questions and
// messages are its message boxes (over the dialog that is open, if any), writes run behind its progress dialog.
class CMainWnd final : public toolkit::WindowImplBase, public editor::EditorHost, public core::Host {
 public:
  explicit CMainWnd(MainWndEnvironment environment);
  ~CMainWnd() override;

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  bool HandleCustomMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                           const std::any& payload) override;
  void Notify(toolkit::TNotifyUI& msg) override;
  bool MessageFilter(QKeyEvent* event) override;
  toolkit::CControlUI* CreateControl(const QString& element_name) override;
  bool OnClose(int code) override;

  // True when another copy holds the single-instance lock: start-up stopped after the warning and the program
  // ends with 0 without showing this window.
  bool IsRefusedSecondInstance() const { return refused_second_instance_; }

  // Tool bar, page 4, "Home" title and the home background.
  void ShowHomePage();
  // Title "Macro Manager", page 6, no "btnHome", the macros of the configuration being edited.
  void ShowMacroManager();
  // Page 7 for the macro named `name` (as stored) of the configuration being edited.
  void OpenMacroEditor(const std::string& name);
  // Marks regions as changed (kUnsaved* bits) and shows "Save *"; 0 clears the marker.
  void MarkUnsaved(unsigned bits) override;
  void RefreshSaveButton() override;
  bool IsWriting() const { return writing_; }
  unsigned unsaved_mask() const { return env_.state->session.unsaved(); }

  // The core's host.
  int Ask(std::string_view title, std::string_view text, core::Buttons buttons) override;
  void Tell(std::string_view title, std::string_view text, core::Tone tone) override;
  // Writes `plan` behind the progress dialog of `kind`, with the adapter page's buttons off meanwhile; done when the
  // worker reported the write done. Never runs two writes at once: a second call while one runs fails at once.
  core::WriteResult RunWrite(const device::WritePlan& plan, core::WriteKind kind) override;
  void ReadAdapterAgain() override { RequestFreshRead(); }
  std::optional<std::string> ChooseFileToOpen(std::string_view title, model::ExchangeKind kind) override;
  std::optional<std::string> ChooseFileToSave(std::string_view title, std::string_view suggested_name,
                                              model::ExchangeKind kind) override;
  int CurrentPage() const;
  void SelectPage(int page);
  // The editing pages' view of the window.
  model::FlashImage& Image() override { return env_.state->session.image(); }
  core::Session& Session() override { return env_.state->session; }
  core::Host& FlowHost() override { return *this; }
  toolkit::WindowImplBase& Window() override { return *this; }
  unsigned UnsavedMask() const override { return env_.state->session.unsaved(); }
  // Page 5 for the configuration in table slot `slot`.
  void OpenEditPage(int slot) override;
  editor::CapturedKey CaptureKey(toolkit::WindowImplBase& owner) override;
  editor::ConfigurationList& home() { return home_; }
  editor::EditPage& edit_page() { return edit_page_; }
  editor::KeyMapping& keys() { return keys_; }
  editor::MacroManagerPage& macro_manager() { return macro_manager_; }
  editor::MacroEditorPage& macro_editor() { return macro_editor_; }

  // The macro block as the macro manager found it, for the comparison when the manager is left.
  void TakeMacroSnapshot();
  void OpenMacroManager() override;

  // Ends the program with exit code 0, whatever the pages hold.
  void ExitProgram();
  // Asks the worker to read the present adapter again; its result replaces the image and shows the adapter page.
  void RequestFreshRead();

  const QString& MappingGroupName(std::size_t group) const override { return mapping_group_names_.at(group); }
  // Takes a news record by the receiving checks; one that is now held is written to the news file and shows the
  // news button, "New Message" while unread.
  model::NewsReceipt ReceiveNews(std::span<const std::uint8_t> record);
  const model::NewsStore& news() const { return news_; }

  const device::DevicePresence& presence() const { return presence_; }
  bool IsSettling() const { return presence_host_ && presence_host_->IsSettling(); }

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void OnDeviceRemoved();
  void CloseEditingDialogs();
  void OnDeviceFailed(const device::DeviceFailure& failure);
  // The adapter page: the click on the adapter runs the checks, the upgrade button its procedures.
  void RunAdapterChecks();
  void PressUpgradeButton();
  // The help dialog's backups: the chosen one is written back after its question.
  void RestoreFromBackup();
  // Where a question or message of a flow shows: over the dialog that is open, else over this window.
  QWidget* BoxOwner();
  // Whether the editing and macro pages hold edits that differ from the record and macros last read or saved.
  bool EditsDiffer();
  // Whether `read` was read from the adapter that is present now.
  bool IsCurrentRead(const device::ReadResult* read) const;
  void OnReadDone(const device::ReadResult* read);
  void OnAdapterChange(AdapterSource::Change change, const device::DeviceEvent& event);
  void ResetSaveButton();
  void LeaveMacroManager();
  // On the macro pages: what the editor holds goes into its macro (with its checks' messages when `ask`), and a
  // macro block that differs from the manager's snapshot is marked unsaved.
  void CommitMacroPages(bool ask);
  // Leaves the editing page: its fields go into the record first.
  void LeaveEditPage();
  void OpenDownloadPage();
  void ShowNewsButton();
  void OpenNews();

  MainWndEnvironment env_;
  std::unique_ptr<platform::SingleInstance> instance_;
  bool refused_second_instance_ = false;
  bool writing_ = false;
  bool exit_requested_ = false;

  toolkit::CTabLayoutUI* tab_ = nullptr;
  std::array<QString, 4> mapping_group_names_;
  std::unique_ptr<model::MacroBlock> macro_snapshot_;
  // The home page, and the edits an unplugged adapter left unsaved.
  editor::ConfigurationList home_{*this};
  editor::KeyMapping keys_{*this};
  editor::EditPage edit_page_{*this, keys_};
  editor::MacroManagerPage macro_manager_{*this, [this](const std::string& name) { OpenMacroEditor(name); }};
  editor::MacroEditorPage macro_editor_{*this, keys_};
  model::NewsStore news_;

  std::shared_ptr<dialogs::WindowResultTarget> owner_target_;
  std::unique_ptr<PresenceTimerHost> presence_host_;
  device::DevicePresence presence_;
  std::unique_ptr<device::DeviceWorker> worker_;
  // The capture dialog while one runs: an unplug ends it.
  QPointer<toolkit::WindowImplBase> key_capture_;
};

}  // namespace torvane::app
