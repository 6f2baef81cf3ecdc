#include "device/DeviceMessages.h"
#include "editor/CKeyMapDlg.h"
#include "support/SyntheticInput.h"
#include "support/TestSkin.h"
#include "toolkit/dialogs/DialogTestSupport.h"

#include <QCoreApplication>
#include <QPixmap>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace torvane::editor {
namespace {

using platform::InputCapture;
using namespace testing;  // the synthetic input
using testing::WhenModal;
using toolkit::WindowImplBase;

// Records what the dialog asks of the capture, and lets a test press a key through it.
class FakeInputCapture final : public InputCapture {
 public:
  struct Record {
    int starts = 0;
    int stops_while_active = 0;
    bool active = false;
    KeySink sink;
  };
  explicit FakeInputCapture(Record& record) : record_(record) {}
  void Start(QWidget& /*window*/, KeySink sink) override {
    ++record_.starts;
    record_.active = true;
    record_.sink = std::move(sink);
  }
  void Stop() override {
    if (record_.active) ++record_.stops_while_active;
    record_.active = false;
  }

 private:
  Record& record_;
};

class KeyMapDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::InstallTestSkin(); }

  std::unique_ptr<CKeyMapDlg> MakeDialog(std::unique_ptr<InputCapture> capture, int working_mode) {
    auto dialog = std::make_unique<CKeyMapDlg>(
        std::move(capture),
        [this](int request, std::weak_ptr<device::ResultTarget> target) {
          requests_.push_back(request);
          target_ = std::move(target);
        },
        working_mode);
    dialog->SetShowTime(0);
    EXPECT_TRUE(dialog->Create(nullptr, "Key mapping")) << dialog->GetBuildError().toStdString();
    return dialog;
  }

  std::vector<int> requests_;
  std::weak_ptr<device::ResultTarget> target_;
};

TEST_F(KeyMapDlgTest, PcInputBecomesTheKeyCodeOfThePhysicalKeyOrButton) {
  struct Case {
    const char* what;
    std::function<void(QWidget&)> input;
    std::uint8_t code;
  };
  const Case cases[] = {
      {"the A key on a US layout", [](QWidget& w) { TapKey(w, Qt::Key_A, kKeyA, "a"); }, 4},
      {"the same key on a French layout", [](QWidget& w) { TapKey(w, Qt::Key_Q, kKeyA, "q"); }, 4},
      {"a modifier alone", [](QWidget& w) { TapKey(w, Qt::Key_Shift, kKeyLeftShift); }, 166},
      {"Super", [](QWidget& w) { TapKey(w, Qt::Key_Meta, kKeyLeftMeta); }, 168},
      {"Print Screen", [](QWidget& w) { TapKey(w, Qt::Key_Print, kKeyPrint); }, 70},
      {"Alt+Tab gives the key released first",
       [](QWidget& w) {
         SendKey(w, QEvent::KeyPress, Qt::Key_Alt, kKeyLeftAlt);
         TapKey(w, Qt::Key_Tab, kKeyTab, "\t");
       },
       43},
      {"Escape is a key like any other", [](QWidget& w) { TapKey(w, Qt::Key_Escape, kKeyEscape); }, 41},
      {"the back side button",
       [](QWidget& w) {
         SendMouseButton(w, QEvent::MouseButtonPress, Qt::BackButton);
         SendMouseButton(w, QEvent::MouseButtonRelease, Qt::BackButton);
       },
       176},
      {"a further button",
       [](QWidget& w) {
         SendMouseButton(w, QEvent::MouseButtonPress, Qt::ExtraButton4);
         SendMouseButton(w, QEvent::MouseButtonRelease, Qt::ExtraButton4);
       },
       179},
      {"the wheel turned down", [](QWidget& w) { TurnWheel(w, QPoint(0, -120)); }, 190},
      {"the wheel tilted left", [](QWidget& w) { TurnWheel(w, QPoint(120, 0)); }, 191},
      {"a release whose press came before the capture is not a key",
       [](QWidget& w) {
         SendMouseButton(w, QEvent::MouseButtonRelease, Qt::LeftButton);
         SendKey(w, QEvent::KeyRelease, Qt::Key_Return, kKeyReturn);
         SendMouseButton(w, QEvent::MouseButtonPress, Qt::RightButton);
         SendMouseButton(w, QEvent::MouseButtonRelease, Qt::RightButton);
       },
       174},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto dialog = MakeDialog(InputCapture::Create(), 1);
    bool open_after_input = false;
    bool grabbed = false;
    WhenModal([&](WindowImplBase& modal) {
      grabbed = QWidget::keyboardGrabber() == &modal && QWidget::mouseGrabber() == &modal;
      c.input(modal);
      open_after_input = modal.isVisible();
    });
    EXPECT_EQ(dialog->ShowModal(), CKeyMapDlg::kCaptured);
    EXPECT_TRUE(open_after_input) << "closed before the key came back through its message";
    EXPECT_TRUE(grabbed);
    EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(dialog->GetCapturedKey(), c.code);
    EXPECT_TRUE(requests_.empty()) << "no adapter poll outside working mode 7";
  }
}

// Every way out gives the input back; the worker's poll is stopped unless it ended by itself.
TEST_F(KeyMapDlgTest, EveryWayOutReleasesTheInputAndEndsThePoll) {
  struct Case {
    const char* what;
    std::function<void(CKeyMapDlg&, FakeInputCapture::Record&, std::shared_ptr<device::ResultTarget>)> exit;
    int result;
    std::uint8_t key;
    std::vector<int> requests;
  };
  using device::REQ_READ_KEY_CODE;
  using device::REQ_STOP_KEY_CODE;
  const Case cases[] = {
      {"a key on the PC",
       [](CKeyMapDlg&, FakeInputCapture::Record& r, auto) { r.sink(InputCapture::kKeyboard, 20); },
       CKeyMapDlg::kCaptured,
       20,
       {REQ_READ_KEY_CODE, REQ_STOP_KEY_CODE}},
      {"a key on the adapter",
       [](CKeyMapDlg&, FakeInputCapture::Record&, auto target) { target->Deliver(device::MSG_KEY_CODE, 200, {}); },
       CKeyMapDlg::kCaptured,
       200,
       {REQ_READ_KEY_CODE}},
      {"the adapter unplugged",
       [](CKeyMapDlg&, FakeInputCapture::Record&, auto target) { target->Deliver(device::MSG_DEVICE_FAILED, 0, {}); },
       CKeyMapDlg::kDeviceFailed,
       0,
       {REQ_READ_KEY_CODE}},
      {"a close by the system",
       [](CKeyMapDlg& d, FakeInputCapture::Record&, auto) { d.close(); },
       WindowImplBase::kSystemCloseCode,
       0,
       {REQ_READ_KEY_CODE, REQ_STOP_KEY_CODE}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    requests_.clear();
    FakeInputCapture::Record record;
    auto dialog = MakeDialog(std::make_unique<FakeInputCapture>(record), CKeyMapDlg::kAdapterKeyMode);
    bool active_while_open = false;
    WhenModal([&](WindowImplBase&) {
      active_while_open = record.active;
      auto target = target_.lock();
      ASSERT_NE(target, nullptr);
      c.exit(*dialog, record, target);
    });
    EXPECT_EQ(dialog->ShowModal(), c.result);
    EXPECT_TRUE(active_while_open);
    EXPECT_EQ(record.starts, 1);
    EXPECT_EQ(record.stops_while_active, 1);
    EXPECT_FALSE(record.active);
    EXPECT_EQ(dialog->GetCapturedKey(), c.key);
    EXPECT_EQ(requests_, c.requests);
  }
}

TEST_F(KeyMapDlgTest, AWorkerResultAfterTheKeyChangesNothing) {
  FakeInputCapture::Record record;
  auto dialog = MakeDialog(std::make_unique<FakeInputCapture>(record), CKeyMapDlg::kAdapterKeyMode);
  dialog->SetShowTime(50);
  WhenModal([&](WindowImplBase&) {
    record.sink(InputCapture::kMouse, 173);
    QTimer::singleShot(10, [&] {
      if (auto target = target_.lock()) target->Deliver(device::MSG_DEVICE_FAILED, 0, {});
    });
  });
  EXPECT_EQ(dialog->ShowModal(), CKeyMapDlg::kCaptured);
  EXPECT_EQ(dialog->GetCapturedKey(), 173);
}

TEST_F(KeyMapDlgTest, RendersWaitingAndTheCapturedKey) {
  FakeInputCapture::Record record;
  auto dialog = MakeDialog(std::make_unique<FakeInputCapture>(record), CKeyMapDlg::kAdapterKeyMode);
  dialog->SetShowTime(100);
  QPixmap waiting;
  QPixmap captured;
  WhenModal([&](WindowImplBase& modal) {
    EXPECT_EQ(modal.FindControl(u"txtPrompt")->GetText(), "waiting  . . .\r\nplease press any key.");
    waiting = modal.grab();
    record.sink(InputCapture::kKeyboard, 166);
    QTimer::singleShot(30, [&] {
      EXPECT_EQ(modal.FindControl(u"lblKeyName")->GetText(), "LeftShift");
      EXPECT_EQ(modal.FindControl(u"lblSources")->GetText(), "Keyboard");
      captured = modal.grab();
    });
  });
  EXPECT_EQ(dialog->ShowModal(), CKeyMapDlg::kCaptured);
  ASSERT_FALSE(captured.isNull());
  EXPECT_NE(waiting.toImage(), captured.toImage());
  testing::SaveRenderingAs(waiting, QStringLiteral("keymap_waiting.png"));
  testing::SaveRenderingAs(captured, QStringLiteral("keymap_captured.png"));
}

}  // namespace
}  // namespace torvane::editor
