#include "toolkit/WindowImplBase.h"

#include "toolkit/CDialogBuilder.h"
#include "toolkit/ControlAccessible.h"
#include "toolkit/FieldNames.h"
#include "toolkit/KeyDispatcher.h"
#include "toolkit/Theme.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <vector>

namespace torvane::toolkit {

namespace {

std::vector<QPointer<WindowImplBase>>& ModalStack() {
  static std::vector<QPointer<WindowImplBase>> stack;
  return stack;
}

}  // namespace

// State of one modal run, on ShowModal's stack so that it outlives a window destroyed during the run.
struct WindowImplBase::ModalRun {
  QEventLoop loop;
  int result = kSystemCloseCode;
};

WindowImplBase::WindowImplBase() : manager_(this), notifier_(this) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFocusPolicy(Qt::ClickFocus);
  KeyDispatcher::EnsureInstalled();
  ControlAccessible::EnsureInstalled();
}

WindowImplBase::~WindowImplBase() {
  manager_.SetNotifier(nullptr);
  if (modal_) modal_->loop.exit();
}

bool WindowImplBase::HandleCustomMessage(unsigned /*message*/, std::uintptr_t /*wparam*/, std::intptr_t /*lparam*/,
                                         const std::any& /*payload*/) {
  return false;
}

void WindowImplBase::Notify(TNotifyUI& /*msg*/) {}

bool WindowImplBase::MessageFilter(QKeyEvent* /*event*/) {
  return false;
}

CControlUI* WindowImplBase::CreateControl(const QString& /*element_name*/) {
  return nullptr;
}

bool WindowImplBase::OnClose(int /*code*/) {
  return true;
}

bool WindowImplBase::Create(QWidget* owner, const QString& title, Kind kind) {
  owner_ = owner;
  kind_ = kind;
  setWindowFlags((kind == Kind::kMain ? Qt::Window : Qt::Dialog) | Qt::FramelessWindowHint);
  setWindowTitle(title);
  setObjectName(GetWindowClassName());

  CDialogBuilder builder;
  if (!builder.LoadFile(GetSkinFile())) {
    build_error_ = builder.GetError();
    return false;
  }
  CControlUI* root = builder.Create(this, &manager_);
  if (!root) {
    build_error_ = builder.GetError().isEmpty() ? QStringLiteral("the layout built no control") : builder.GetError();
    return false;
  }
  root->setParent(this);
  root->ApplyVisibility();
  NameFieldsByTheirLabels(root);
  manager_.AttachRoot(root);
  manager_.SetNotifier(&notifier_);

  const WindowAttributes& attrs = manager_.GetWindowAttributes();
  if (attrs.size.isValid() && !attrs.size.isEmpty()) {
    if (attrs.resizable) {
      resize(attrs.size);
    } else {
      setFixedSize(attrs.size);
    }
  }
  if (attrs.resizable) {
    if (attrs.min_size.isValid() && !attrs.min_size.isEmpty()) setMinimumSize(attrs.min_size);
    if (attrs.max_size.isValid() && !attrs.max_size.isEmpty()) setMaximumSize(attrs.max_size);
  }
  root->setGeometry(rect().adjusted(FrameWidth(), FrameWidth(), -FrameWidth(), -FrameWidth()));

  if (owner) {
    winId();
    QWidget* owner_window = owner->window();
    owner_window->winId();
    if (windowHandle() && owner_window->windowHandle()) {
      windowHandle()->setTransientParent(owner_window->windowHandle());
    }
  }
  InitWindow();
  return true;
}

void WindowImplBase::ShowWindow(bool show) {
  if (!show) {
    hide();
    return;
  }
  closed_ = false;
  QWidget::show();
  raise();
  activateWindow();
  // The window itself holds the focus until the player moves it, so no control is pressed by a stray key.
  if (!focusWidget() || focusWidget() == this) setFocus(Qt::OtherFocusReason);
}

int WindowImplBase::ShowModal() {
  if (modal_) return -1;
  QPointer<WindowImplBase> self(this);
  QPointer<QWidget> owner = owner_;
  const bool disable_owner = owner && owner->isEnabled();
  // Disabling takes the focus from the owner's controls; it goes back where it was afterwards.
  const QPointer<QWidget> owner_focus = owner ? owner->window()->focusWidget() : nullptr;
  if (disable_owner) owner->setEnabled(false);

  ModalRun run;
  modal_ = &run;
  result_ = kSystemCloseCode;
  pending_code_.reset();
  ModalStack().push_back(self);
  CenterWindow();
  ShowWindow(true);
  if (!closed_) run.loop.exec(QEventLoop::DialogExec);
  const int result = self ? result_ : run.result;
  if (self) {
    modal_ = nullptr;
    hide();
  }
  auto& stack = ModalStack();
  if (!stack.empty()) stack.pop_back();

  if (owner && disable_owner) {
    owner->setEnabled(true);
    owner->activateWindow();
    if (owner_focus && owner_focus->isEnabled()) owner_focus->setFocus(Qt::ActiveWindowFocusReason);
  }
  return result;
}

void WindowImplBase::Close(int code) {
  if (closed_) return;
  pending_code_ = code;
  QWidget::close();
  pending_code_.reset();
}

void WindowImplBase::closeEvent(QCloseEvent* event) {
  if (closed_) {
    event->accept();
    return;
  }
  const int code = pending_code_.value_or(kSystemCloseCode);
  QPointer<WindowImplBase> self(this);
  const bool allowed = OnClose(code);
  if (!self) return;
  if (!allowed) {
    event->ignore();
    return;
  }
  closed_ = true;
  result_ = code;
  event->accept();
  if (modal_) {
    modal_->result = code;
    modal_->loop.exit();
  }
}

WindowImplBase* WindowImplBase::ActiveModal() {
  auto& stack = ModalStack();
  for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
    if (*it) return it->data();
  }
  return nullptr;
}

bool WindowImplBase::IsBehindModal(const QWidget* widget) {
  const QWidget* window = widget != nullptr ? widget->window() : nullptr;
  if (window == nullptr || !window->isEnabled()) return true;
  const WindowImplBase* modal = ActiveModal();
  return modal != nullptr && modal != window;
}

QString WindowImplBase::GetTitleText() const {
  if (kind_ == Kind::kDialog) {
    for (const QStringView name : {u"TitleLabel", u"btnTitle", u"lblTitle"}) {
      if (const CControlUI* title = FindControl(name); title != nullptr && !title->GetText().isEmpty()) {
        return title->GetText();
      }
    }
  }
  return windowTitle();
}

void WindowImplBase::CenterWindow() {
  QRect area;
  QScreen* screen = nullptr;
  if (QWidget* owner = owner_.data(); owner && owner->window()->isVisible()) {
    area = owner->window()->frameGeometry();
    screen = owner->window()->screen();
  }
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (area.isEmpty() && screen) area = screen->availableGeometry();
  if (area.isEmpty()) return;
  QRect frame = frameGeometry();
  frame.moveCenter(area.center());
  if (screen) {
    const QRect bounds = screen->availableGeometry();
    if (frame.right() > bounds.right()) frame.moveRight(bounds.right());
    if (frame.bottom() > bounds.bottom()) frame.moveBottom(bounds.bottom());
    if (frame.left() < bounds.left()) frame.moveLeft(bounds.left());
    if (frame.top() < bounds.top()) frame.moveTop(bounds.top());
  }
  move(frame.topLeft());
}

bool WindowImplBase::ShowControl(QStringView name, bool show) {
  CControlUI* control = FindControl(name);
  if (control) control->SetVisible(show);
  return control != nullptr;
}

bool WindowImplBase::EnableControl(QStringView name, bool enable) {
  CControlUI* control = FindControl(name);
  if (control) control->SetEnabled(enable);
  return control != nullptr;
}

bool WindowImplBase::SetControlText(QStringView name, const QString& text) {
  CControlUI* control = FindControl(name);
  if (control) control->SetText(text);
  return control != nullptr;
}

bool WindowImplBase::SetControlTextColor(QStringView name, std::uint32_t argb) {
  CControlUI* control = FindControl(name);
  if (control) control->SetTextColor(argb);
  return control != nullptr;
}

bool WindowImplBase::SetControlBkColor(QStringView name, std::uint32_t argb) {
  CControlUI* control = FindControl(name);
  if (control) control->SetBkColor(argb);
  return control != nullptr;
}

bool WindowImplBase::SetControlBkImage(QStringView name, const QString& image) {
  CControlUI* control = FindControl(name);
  if (control) control->SetBkImage(image);
  return control != nullptr;
}

void WindowImplBase::DispatchNotify(TNotifyUI& msg) {
  QPointer<WindowImplBase> self(this);
  Notify(msg);
  if (self && !msg.handled) DefaultNotify(msg);
}

void WindowImplBase::DefaultNotify(TNotifyUI& msg) {
  if (!msg.Is(notify::kClick)) return;
  if (msg.sender_name == u"closebtn") {
    Close(1);
  } else if (msg.sender_name == u"minbtn") {
    showMinimized();
  }
}

bool WindowImplBase::PreTranslateKey(QKeyEvent* event) {
  if (MessageFilter(event)) return true;
  const int key = event->key();
  if (key == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    Close(1);
    return true;
  }
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !enter_activates_focus_) return true;
  return false;
}

bool WindowImplBase::event(QEvent* event) {
  if (event->type() == WindowMessageEvent::kType) {
    const auto* message = static_cast<WindowMessageEvent*>(event);
    HandleCustomMessage(message->message(), message->wparam(), message->lparam(), message->payload());
    return true;
  }
  return QWidget::event(event);
}

void WindowImplBase::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), theme::Color(theme::kWindow));
  painter.setPen(theme::Color(kind_ == Kind::kDialog ? theme::kDialogBorder : theme::kBorder));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void WindowImplBase::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (CControlUI* root = manager_.GetRoot()) {
    root->setGeometry(rect().adjusted(FrameWidth(), FrameWidth(), -FrameWidth(), -FrameWidth()));
  }
}

bool WindowImplBase::InCaption(const QPoint& pos) const {
  const QMargins c = manager_.GetWindowAttributes().caption;
  return pos.x() >= c.left() && pos.x() < width() - c.right() && pos.y() >= c.top() && pos.y() < c.bottom();
}

void WindowImplBase::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && InCaption(event->position().toPoint())) {
    event->accept();
    // The window manager moves the window where it can (X11, Wayland); elsewhere the window follows the mouse.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    dragging_ = true;
    drag_offset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    return;
  }
  QWidget::mousePressEvent(event);
}

void WindowImplBase::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    move(event->globalPosition().toPoint() - drag_offset_);
    event->accept();
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void WindowImplBase::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  QWidget::mouseReleaseEvent(event);
}

}  // namespace torvane::toolkit
