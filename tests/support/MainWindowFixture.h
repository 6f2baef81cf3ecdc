#pragma once

#include <QString>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/CMainWnd.h"
#include "app/ManagerState.h"
#include "app/demo/VirtualAdapterSource.h"
#include "emulator/VirtualAdapter.h"
#include "support/ModalAction.h"
#include "support/RenderPath.h"

namespace torvane::testing {

// Waits, handling events, until `done` holds or `timeout_ms` passes; true when it holds.
// Generous: a loaded machine under the sanitizers takes seconds for what is usually instant.
bool WaitUntil(const std::function<bool()>& done, int timeout_ms = 20000);

// A main window over an in-process virtual adapter, with a lock name of its own so tests never meet a running
// program or each other. Message boxes are answered from MessageBoxAnswers.
class MainWindowFixture : public ::testing::Test {
 protected:
  MainWindowFixture();
  ~MainWindowFixture() override;

  // Builds and shows the window; the adapter is plugged in (after loading `scenario`) or not.
  void StartWindow(bool plugged, const char* scenario = "working-mode-1");
  // Plugged in from the start: waits out the settle second and the read; true on page 3.
  bool StartOnAdapterPage(const char* scenario = "working-mode-1");
  // Plugged in from the start and taken into use with a click on the adapter, as a player does; true on page 4.
  bool StartOnHomePage(const char* scenario = "working-mode-1");
  // Clicks a button of the main window as the player would; returns once its handling (and any modal run it
  // starts) has ended.
  void Click(const char16_t* name);
  app::MainWndEnvironment Environment();

  int Page() const { return window->CurrentPage(); }
  toolkit::CControlUI* Control(const char16_t* name) const { return window->FindControl(name); }
  bool IsShown(const char16_t* name) const;
  // Whether the window is still up after a close request.
  bool IsOpen() const { return window && window->isVisible(); }
  // The window as shown, with `dialog` (a window over it, or nullptr) drawn where it stands.
  void SaveRendering(const QString& file_name, QWidget* dialog = nullptr);

  std::string lock_name;
  app::ManagerState state;
  emulator::VirtualAdapter adapter;
  std::unique_ptr<app::demo::VirtualAdapterSource> source;
  std::unique_ptr<app::CMainWnd> window;
  std::vector<QUrl> opened_links;
  bool links_open = true;  // what the recorded browser answers
  // How the window starts its device worker; empty for the real start.
  std::function<int(device::DeviceWorker&)> start_worker;
};

}  // namespace torvane::testing
