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

#include "toolkit/TNotifyUI.h"

class QWidget;

namespace torvane::toolkit {

class CControlUI;
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

  // First control of the tree (depth first, layout order) with that exact name.
  CControlUI* FindControl(QStringView name) const;
  std::vector<CControlUI*> FindControls(const std::function<bool(CControlUI*)>& match) const;

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
};

}  // namespace torvane::toolkit
