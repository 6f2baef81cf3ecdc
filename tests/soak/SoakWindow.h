#pragma once

#include <QList>

#include <functional>
#include <memory>
#include <string>

#include "app/CMainWnd.h"
#include "app/ManagerState.h"
#include "app/SocketAdapterSource.h"
#include "dialogs/MessageBoxAnswers.h"

namespace torvane::soak {

// The manager's window over the adapter served on a socket, driven as a player drives it. Every message box is
// answered OK and recorded, so none ever waits for a player.
class SoakWindow {
 public:
  SoakWindow(const std::string& socket, std::string lock_name);
  ~SoakWindow();
  SoakWindow(const SoakWindow&) = delete;
  SoakWindow& operator=(const SoakWindow&) = delete;

  // Builds and shows the window; true once it shows the adapter it read.
  bool Start();

  app::CMainWnd& window() { return *window_; }
  core::Session& session() { return state_.session; }
  int Page() const { return window_->CurrentPage(); }

  // Handles events until `done` holds or `timeout_ms` passes; true when it holds.
  static bool WaitUntil(const std::function<bool()>& done, int timeout_ms);
  bool WaitForPage(int page, int timeout_ms = 20000);
  // Handles what was posted to the window so far, such as the removal an unplug posts.
  static void HandlePosted();
  // Clicks a button of the window; returns once its handling, modal runs included, has ended.
  void Click(const char16_t* name);
  // The boxes shown since the last call.
  QList<dialogs::ShownMessageBox> TakeBoxes();
  bool HasShownBoxes() const { return !dialogs::MessageBoxAnswers::Shown().isEmpty(); }
  // Whether the save button offers a save, as it does while edits are unsaved.
  bool OffersSave() const;

 private:
  app::ManagerState state_;
  app::SocketAdapterSource source_;
  std::unique_ptr<app::CMainWnd> window_;
};

}  // namespace torvane::soak
