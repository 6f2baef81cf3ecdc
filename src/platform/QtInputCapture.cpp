#include "platform/QtInputCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <bit>

#include "platform/KeyTranslator.h"

namespace torvane::platform {
namespace {

// Left 173 up to the 13th extra button 188, in the order of Qt's button bits.
constexpr std::uint8_t kFirstMouseButtonCode = 173;
constexpr int kMouseButtonCount = 16;

constexpr std::uint8_t kScrollUp = 189;
constexpr std::uint8_t kScrollDown = 190;
constexpr std::uint8_t kScrollLeft = 191;
constexpr std::uint8_t kScrollRight = 192;

std::uint8_t KeyCodeFromWheel(const QWheelEvent& wheel) {
  QPoint delta = wheel.angleDelta();
  if (delta.isNull()) delta = wheel.pixelDelta();
  if (delta.y() != 0) return delta.y() > 0 ? kScrollUp : kScrollDown;
  if (delta.x() != 0) return delta.x() > 0 ? kScrollLeft : kScrollRight;
  return 0;
}

}  // namespace

QtInputCapture::~QtInputCapture() {
  Stop();
}

std::uint8_t QtInputCapture::KeyCodeFromMouseButton(Qt::MouseButton button) {
  const auto bits = static_cast<std::uint32_t>(button);
  if (!std::has_single_bit(bits)) return 0;
  const int index = std::countr_zero(bits);
  return index < kMouseButtonCount ? static_cast<std::uint8_t>(kFirstMouseButtonCode + index) : 0;
}

void QtInputCapture::Start(QWidget& window, KeySink sink) {
  Stop();
  window_ = &window;
  sink_ = std::move(sink);
  pressed_keys_.clear();
  pressed_buttons_ = {};
  // Installed last, the filter runs before the toolkit's application-wide key handling.
  QCoreApplication::instance()->installEventFilter(this);
  window.grabKeyboard();
  window.grabMouse(Qt::BlankCursor);
}

void QtInputCapture::Stop() {
  if (sink_ == nullptr && window_.isNull()) return;
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
  if (window_) {
    window_->releaseKeyboard();
    window_->releaseMouse();
  }
  window_ = nullptr;
  sink_ = nullptr;
}

bool QtInputCapture::IsForWindow(const QObject* watched) const {
  const auto* widget = qobject_cast<const QWidget*>(watched);
  return widget != nullptr && window_ != nullptr && (widget == window_ || window_->isAncestorOf(widget));
}

void QtInputCapture::Deliver(Source source, std::uint8_t code) {
  if (code == 0 || !sink_) return;
  const KeySink sink = sink_;  // the sink may stop the capture
  sink(source, code);
}

bool QtInputCapture::eventFilter(QObject* watched, QEvent* event) {
  if (!IsForWindow(watched)) return false;
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      // Accepted, the key goes no further as a shortcut either.
      event->accept();
      return true;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (!key->isAutoRepeat()) pressed_keys_.insert(key->nativeScanCode());
      return true;
    }
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->isAutoRepeat() || !pressed_keys_.remove(key->nativeScanCode())) return true;
      Deliver(kKeyboard, KeyTranslator::Native().KeyCodeFromNativeKey(key->nativeScanCode(), key->nativeVirtualKey()));
      return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      pressed_buttons_ |= static_cast<QMouseEvent*>(event)->button();
      return true;
    case QEvent::MouseButtonRelease: {
      const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
      if (!pressed_buttons_.testFlag(button)) return true;
      pressed_buttons_ &= ~Qt::MouseButtons(button);
      Deliver(kMouse, KeyCodeFromMouseButton(button));
      return true;
    }
    case QEvent::Wheel:
      Deliver(kMouse, KeyCodeFromWheel(*static_cast<QWheelEvent*>(event)));
      return true;
    case QEvent::MouseMove:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

}  // namespace torvane::platform
