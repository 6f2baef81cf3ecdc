#include "device/DeviceMessages.h"
#include "editor/CKeyMapDlg.h"
#include "support/TestSkin.h"
#include "toolkit/dialogs/DialogTestSupport.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace torvane::editor {
namespace {

using platform::InputCapture;
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

// X11 and Wayland report the Linux input event code plus 8 as a key's native scan code.
constexpr quint32 kScanA = 30 + 8;
constexpr quint32 kScanEscape = 1 + 8;
constexpr quint32 kScanTab = 15 + 8;
constexpr quint32 kScanLeftShift = 42 + 8;
constexpr quint32 kScanLeftAlt = 56 + 8;
constexpr quint32 kScanLeftMeta = 125 + 8;
constexpr quint32 kScanPrint = 99 + 8;

void Send(QWidget& window, QEvent&& event) {
  QCoreApplication::sendEvent(&window, &event);
}

void Key(QWidget& window, QEvent::Type type, int qt_key, quint32 scan, const QString& text = {}) {
  Send(window, QKeyEvent(type, qt_key, Qt::NoModifier, scan, text.isEmpty() ? 0 : text.front().unicode(), 0, text));
}

void Tap(QWidget& window, int qt_key, quint32 scan, const QString& text = {}) {
  Key(window, QEvent::KeyPress, qt_key, scan, text);
  Key(window, QEvent::KeyRelease, qt_key, scan, text);
}

void Mouse(QWidget& window, QEvent::Type type, Qt::MouseButton button) {
  const QPointF at(10, 10);
  Send(window, QMouseEvent(type, at, window.mapToGlobal(at), button,
                           type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton, Qt::NoModifier));
}

void Wheel(QWidget& window, QPoint angle) {
  const QPointF at(10, 10);
  Send(window, QWheelEvent(at, window.mapToGlobal(at), QPoint(), angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                           false));
}

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
      {"the A key on a US layout", [](QWidget& w) { Tap(w, Qt::Key_A, kScanA, "a"); }, 4},
      {"the same key on a French layout", [](QWidget& w) { Tap(w, Qt::Key_Q, kScanA, "q"); }, 4},
      {"a modifier alone", [](QWidget& w) { Tap(w, Qt::Key_Shift, kScanLeftShift); }, 166},
      {"Super", [](QWidget& w) { Tap(w, Qt::Key_Meta, kScanLeftMeta); }, 168},
      {"Print Screen", [](QWidget& w) { Tap(w, Qt::Key_Print, kScanPrint); }, 70},
      {"Alt+Tab gives the key released first",
       [](QWidget& w) {
         Key(w, QEvent::KeyPress, Qt::Key_Alt, kScanLeftAlt);
         Tap(w, Qt::Key_Tab, kScanTab, "\t");
       },
       43},
      {"Escape is a key like any other", [](QWidget& w) { Tap(w, Qt::Key_Escape, kScanEscape); }, 41},
      {"the back side button",
       [](QWidget& w) {
         Mouse(w, QEvent::MouseButtonPress, Qt::BackButton);
         Mouse(w, QEvent::MouseButtonRelease, Qt::BackButton);
       },
       176},
      {"a further button",
       [](QWidget& w) {
         Mouse(w, QEvent::MouseButtonPress, Qt::ExtraButton4);
         Mouse(w, QEvent::MouseButtonRelease, Qt::ExtraButton4);
       },
       179},
      {"the wheel turned down", [](QWidget& w) { Wheel(w, QPoint(0, -120)); }, 190},
      {"the wheel tilted left", [](QWidget& w) { Wheel(w, QPoint(120, 0)); }, 191},
      {"a release whose press came before the capture is not a key",
       [](QWidget& w) {
         Mouse(w, QEvent::MouseButtonRelease, Qt::LeftButton);
         Key(w, QEvent::KeyRelease, Qt::Key_Return, 36 + 8);
         Mouse(w, QEvent::MouseButtonPress, Qt::RightButton);
         Mouse(w, QEvent::MouseButtonRelease, Qt::RightButton);
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
  for (const auto& [shot, name] :
       {std::pair{waiting, "keymap_waiting.png"}, std::pair{captured, "keymap_captured.png"}}) {
    const QString path = testing::RenderPath(name);
    if (!path.isEmpty()) {
      EXPECT_TRUE(shot.save(path)) << path.toStdString();
    }
  }
}

}  // namespace
}  // namespace torvane::editor
