#pragma once

#include <QFont>
#include <QHash>
#include <QMargins>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

#include "toolkit/LayoutNode.h"
#include "toolkit/TNotifyUI.h"

#include <QSet>

class QWidget;

namespace torvane::toolkit {

class CControlUI;
class IDialogBuilderCallback;
class INotifyUI;

// What a layout's <Window> element says about its window.
struct WindowAttributes {
  QSize size;              // "size"
  QSize min_size;          // "mininfo"
  QSize max_size;          // "maxinfo"
  QMargins caption;        // "caption": left, top, right inset and height of the draggable title strip
  bool resizable = false;  // "sizebox" given
};

// Per-window state shared by the window's controls: the control tree's root, the notification receiver, the
// layout's fonts, default attributes and styles. Controls built for a window carry a pointer to its manager.
class CPaintManagerUI {
 public:
  explicit CPaintManagerUI(QWidget* host = nullptr);
  CPaintManagerUI(const CPaintManagerUI&) = delete;
  CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;

  QWidget* GetHost() const { return host_; }
  CControlUI* GetRoot() const;
  void AttachRoot(CControlUI* root);

  // Notifications go to the receiver, synchronously; without one they are dropped.
  void SetNotifier(INotifyUI* notifier) { notifier_ = notifier; }
  void SendNotify(TNotifyUI& msg);
  void SendNotify(CControlUI* sender, const QString& type, std::intptr_t wparam = 0, std::intptr_t lparam = 0);

  // First control of the tree (depth first, layout order) with that exact name. A page waiting to be built (see
  // DeferChildren) is built first when the name is its own or one of its controls'.
  CControlUI* FindControl(QStringView name) const;
  // The controls built so far that `match` accepts.
  std::vector<CControlUI*> FindControls(const std::function<bool(CControlUI*)>& match) const;

  // A page of a tab layout that is not shown yet waits with its children unbuilt: `children` is its layout
  // element, whose children are built on the page's first use (shown, or a control of it looked up by name).
  void DeferChildren(CControlUI* page, LayoutNode element, IDialogBuilderCallback* callback);
  // Builds the waiting children of `page` now; false when none wait.
  bool BuildDeferred(CControlUI* page) const;
  bool IsDeferred(const CControlUI* page) const;

  // Fonts by id: the layout's <Font> elements, else the theme's.
  QFont GetFont(int id) const;
  void AddFont(int id, const QFont& font);

  // <Default name="Button" value="..."/>: attributes every control of a class starts with.
  void AddDefaultAttributeList(const QString& class_name, const QString& attributes);
  QString GetDefaultAttributeList(const QString& class_name) const;
  // <Style name="x" value="..."/>: attributes a control takes with style="x".
  void AddStyle(const QString& name, const QString& attributes);
  QString GetStyle(const QString& name) const;

  WindowAttributes& GetWindowAttributes() { return window_; }
  const WindowAttributes& GetWindowAttributes() const { return window_; }

  static QPixmap GetImage(const QString& name);

 private:
  QWidget* host_;
  QPointer<CControlUI> root_;
  INotifyUI* notifier_ = nullptr;
  QHash<int, QFont> fonts_;
  QHash<QString, QString> defaults_;  // by lower-case class name
  QHash<QString, QString> styles_;
  WindowAttributes window_;
  struct DeferredPage {
    QPointer<CControlUI> page;
    LayoutNode element;
    IDialogBuilderCallback* callback;
    QSet<QString> names;  // the page's own and every control's inside it
  };
  // Built from lookups too, which are const for their callers.
  mutable std::vector<DeferredPage> deferred_;
};

}  // namespace torvane::toolkit
