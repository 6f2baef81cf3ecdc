#pragma once

#include "core/Session.h"
#include "editor/CKeyMapDlg.h"
#include "editor/EditorHost.h"
#include "editor/KeyMapping.h"
#include "editor/settings/SettingsDialog.h"
#include "model/FlashImage.h"
#include "model/params/FlightAxisMap.h"
#include "model/tables/TableFixtures.h"
#include "support/RecordingHost.h"
#include "support/TestSkin.h"
#include "support/TestWindow.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CEditUI.h"
#include "toolkit/dialogs/DialogTestSupport.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>
#include <memory>

namespace torvane::editor {

// The main window as the settings dialogs see it: a default image, key captures answered from a queue, and the
// core's flows run by a recording host (with no backup folder and no firmware).
class FakeEditorHost final : public EditorHost {
 public:
  FakeEditorHost() : session_(std::string(), {}) {
    session_.image() = *model::fixtures::MakeDefaultImage();
    testing::InstallTestSkin();
  }

  model::FlashImage& Image() override { return session_.image(); }
  core::Session& Session() override { return session_; }
  core::Host& FlowHost() override { return flow_host; }
  toolkit::WindowImplBase& Window() override {
    if (!window_) {
      window_ = std::make_unique<testing::TestWindow>(QStringLiteral("help_dlg.xml"));
      EXPECT_TRUE(window_->Create(nullptr, QStringLiteral("Main")));
    }
    return *window_;
  }
  void MarkUnsaved(unsigned /*bits*/) override {}
  unsigned UnsavedMask() const override { return 0; }
  void RefreshSaveButton() override {}
  void OpenEditPage(int /*slot*/) override {}
  CapturedKey CaptureKey(toolkit::WindowImplBase& /*owner*/) override {
    if (keys.empty()) return {CKeyMapDlg::kDeviceFailed, 0};
    const std::uint8_t key = keys.front();
    keys.pop_front();
    return {CKeyMapDlg::kCaptured, key};
  }
  const QString& MappingGroupName(std::size_t /*group*/) const override { return group_name_; }
  void OpenMacroManager() override {}

  // The keys the next captures return; a capture with none left fails as an unplugged adapter does.
  std::deque<std::uint8_t> keys;
  testing::RecordingHost flow_host;

 private:
  core::Session session_;
  std::unique_ptr<testing::TestWindow> window_;
  QString group_name_;
};

// A record as the catalogue makes them: PS4, 26 buttons.
inline model::ConfigRecord MakeSettingsRecord(int host = 0, std::uint8_t game_id = 1) {
  model::ConfigRecord record = model::fixtures::MakeRecord("Game", host, {}, game_id);
  record.hip_yx_ratio = 100;
  record.ads_yx_ratio = 100;
  record.left_stick_strength = 50;
  record.right_stick_strength = 50;
  record.report_interval = 32;
  record.flight_axis_map = model::kDefaultFlightAxisMap;
  return record;
}

inline bool SameBytes(const model::ConfigRecord& a, const model::ConfigRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Builds `dialog`, runs `act` on it once it is open, and returns the modal result. A dialog `act` leaves open is
// closed with kStillOpen.
inline constexpr int kStillOpen = 99;
template <class Dialog>
int RunDialog(Dialog& dialog, std::function<void(Dialog&)> act) {
  testing::InstallTestSkin();
  EXPECT_TRUE(dialog.Create(nullptr, QStringLiteral("Settings"))) << dialog.GetBuildError().toStdString();
  testing::WhenModal([&dialog, act](toolkit::WindowImplBase&) {
    act(dialog);
    dialog.Close(kStillOpen);
  });
  return dialog.ShowModal();
}

inline void Click(toolkit::WindowImplBase& window, const char* name, Qt::MouseButton button = Qt::LeftButton) {
  toolkit::CControlUI* control = testing::ShownControl(window, QString::fromUtf8(name));
  if (control == nullptr) control = window.FindControl(QString::fromUtf8(name));
  ASSERT_NE(control, nullptr) << name;
  QTest::mouseClick(control, button);
}

// The key goes where a real one goes: to the control with the focus.
inline void PressEscape(toolkit::WindowImplBase& window) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr && focus->window() == &window ? focus : &window, Qt::Key_Escape);
}

// Types `text` into the edit by program (past its keystroke filter), as a paste would leave it.
inline void Type(toolkit::WindowImplBase& window, const char* name, const QString& text) {
  auto* edit = window.FindControl<toolkit::CEditUI>(QString::fromUtf8(name));
  ASSERT_NE(edit, nullptr) << name;
  edit->SetText(text);
}

inline void LeaveField(toolkit::WindowImplBase& window, const char* name) {
  toolkit::TNotifyUI msg;
  msg.type = QString::fromUtf16(toolkit::notify::kKillFocus);
  msg.sender = window.FindControl(QString::fromUtf8(name));
  msg.sender_name = QString::fromUtf8(name);
  window.DispatchNotify(msg);
}

inline QString TextOf(toolkit::WindowImplBase& window, const char* name) {
  toolkit::CControlUI* control = window.FindControl(QString::fromUtf8(name));
  return control != nullptr ? control->GetText() : QStringLiteral("<missing>");
}

inline int SelectionOf(toolkit::WindowImplBase& window, const char* name) {
  auto* combo = window.FindControl<toolkit::CComboUI>(QString::fromUtf8(name));
  return combo != nullptr ? combo->GetCurSel() : -2;
}

// Chooses an item as the player does, with the combo's "itemselect".
inline void Choose(toolkit::WindowImplBase& window, const char* name, int index) {
  auto* combo = window.FindControl<toolkit::CComboUI>(QString::fromUtf8(name));
  ASSERT_NE(combo, nullptr) << name;
  combo->SelectItem(index, false, true);
}

}  // namespace torvane::editor
