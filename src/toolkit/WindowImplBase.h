#pragma once

#include "toolkit/CControlUI.h"
#include "toolkit/CPaintManagerUI.h"
#include "toolkit/IDialogBuilderCallback.h"
#include "toolkit/IMessageFilterUI.h"
#include "toolkit/INotifyUI.h"
#include "toolkit/WindowMessage.h"

#include <QPointer>
#include <QWidget>

#include <any>
#include <cstdint>
#include <optional>

namespace torvane::toolkit {

// The base of every window and dialog: a frameless top-level window built from a layout of the skin archive.
//
// A window names its class (GetWindowClassName) and layout (GetSkinFile). Create(owner, name) builds the layout,
// sizes the window and calls InitWindow, where the window looks its controls up by name (FindControl).
// Notifications from its controls arrive at Notify; unless the window sets msg.handled, the toolkit's default
// handling runs afterwards ("click" on "closebtn" closes the window with 1, "minbtn" minimises).
// ShowModal disables the owner, centres over it, and returns the code given to Close(code) (0 when the window
// was closed by the system, e.g. Alt+F4). Every close request passes OnClose, which may refuse it.
// Keys reach MessageFilter before any control; then Escape closes with 1, and Enter reaches the focused control
// only if SetEnterActivatesFocus(true) (the default).
// Messages posted with PostMessage(window->Ref(), ...) arrive at HandleCustomMessage on the UI thread.
class WindowImplBase : public QWidget, public INotifyUI, public IMessageFilterUI, public IDialogBuilderCallback {
 public:
  enum class Kind { kMain, kDialog };
  // The code a system close (window manager, Alt+F4) reports.
  static constexpr int kSystemCloseCode = 0;

  WindowImplBase();
  ~WindowImplBase() override;

  virtual QString GetWindowClassName() const = 0;
  virtual QString GetSkinFile() const = 0;
  // Runs once after the layout has been built.
  virtual void InitWindow() {}
  // The window's own handling of a posted message; true when handled. `payload` is what the poster attached
  // (empty for most messages); it dies with the message unless the window takes a share of it.
  virtual bool HandleCustomMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                                   const std::any& payload);
  // The window's own handling of a notification (before the default handling).
  void Notify(TNotifyUI& msg) override;
  // Sees keys first; true swallows the key.
  bool MessageFilter(QKeyEvent* event) override;
  // Creates the window's own controls for layout element names; nullptr leaves the element to the toolkit.
  CControlUI* CreateControl(const QString& element_name) override;
  // A close request with `code` (kSystemCloseCode for the system's); false keeps the window open.
  virtual bool OnClose(int code);

  // Builds the window from its layout. `owner` (may be nullptr) is the window this one belongs to; `title` is the
  // window text. False, with GetBuildError, when the layout cannot be built.
  bool Create(QWidget* owner, const QString& title, Kind kind = Kind::kDialog);
  Kind GetKind() const { return kind_; }
  QString GetBuildError() const { return build_error_; }
  QWidget* GetOwner() const { return owner_.data(); }
  CPaintManagerUI& GetPaintManager() { return manager_; }
  CControlUI* GetRoot() const { return manager_.GetRoot(); }

  // Shows the window, disables the owner, runs until the window closes, enables the owner again and returns the
  // close code. A window that is already running modally returns -1 at once.
  int ShowModal();
  void ShowWindow(bool show = true);
  // Asks the window to close with `code`. Only the first accepted request counts.
  void Close(int code = 1);
  bool IsModalRunning() const { return modal_ != nullptr; }
  void CenterWindow();
  // Enter goes to the focused control (a button activates) unless this is switched off.
  void SetEnterActivatesFocus(bool on) { enter_activates_focus_ = on; }

  // The innermost window running modally, or nullptr (for tests and for owners of nested dialogs).
  static WindowImplBase* ActiveModal();
  // Whether `widget` sits behind a modal run: in a window that is disabled or not the innermost modal one. Such a
  // control takes no clicks, so it must take no other requests either.
  static bool IsBehindModal(const QWidget* widget);

  // What the title bar says: the text of the title control ("TitleLabel", "btnTitle" or "lblTitle") of a dialog,
  // the window text of the main window or of a dialog without one. Assistive technology names the window by it.
  QString GetTitleText() const;

  WindowRef Ref() { return WindowRef(this); }

  template <class T = CControlUI>
  T* FindControl(QStringView name) const {
    return dynamic_cast<T*>(manager_.FindControl(name));
  }
  // Helpers by control name; false when there is no such control.
  bool ShowControl(QStringView name, bool show);
  bool EnableControl(QStringView name, bool enable);
  bool SetControlText(QStringView name, const QString& text);
  bool SetControlTextColor(QStringView name, std::uint32_t argb);
  bool SetControlBkColor(QStringView name, std::uint32_t argb);
  bool SetControlBkImage(QStringView name, const QString& image);

  // Notification entry point of the window's controls: the window's Notify, then the default handling.
  void DispatchNotify(TNotifyUI& msg);
  // Key handling before the controls (MessageFilter, Escape, Enter); true when the key was consumed.
  bool PreTranslateKey(QKeyEvent* event);

 protected:
  // The toolkit's default handling of a notification.
  virtual void DefaultNotify(TNotifyUI& msg);

  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Forwards notifications from the manager to DispatchNotify.
  class Notifier : public INotifyUI {
   public:
    explicit Notifier(WindowImplBase* window) : window_(window) {}
    void Notify(TNotifyUI& msg) override { window_->DispatchNotify(msg); }

   private:
    WindowImplBase* window_;
  };

  bool InCaption(const QPoint& pos) const;
  int FrameWidth() const { return 1; }

  CPaintManagerUI manager_;
  Notifier notifier_;
  QPointer<QWidget> owner_;
  Kind kind_ = Kind::kDialog;
  QString build_error_;
  bool enter_activates_focus_ = true;
  std::optional<int> pending_code_;
  bool closed_ = false;
  int result_ = kSystemCloseCode;
  struct ModalRun;
  ModalRun* modal_ = nullptr;
  bool dragging_ = false;
  QPoint drag_offset_;
};

}  // namespace torvane::toolkit
