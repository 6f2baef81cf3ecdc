#include "toolkit/CPaintManagerUI.h"

#include "toolkit/CControlUI.h"
#include "toolkit/CDialogBuilder.h"
#include "toolkit/INotifyUI.h"
#include "toolkit/SkinArchive.h"
#include "toolkit/Theme.h"

#include <QWidget>

#include <algorithm>

namespace torvane::toolkit {

namespace {

// Depth first in layout order: QObject children keep insertion order, which is the order the builder adds them.
void Collect(CControlUI* control, const std::function<bool(CControlUI*)>& match, std::vector<CControlUI*>& out,
             bool first_only) {
  if (!control) return;
  if (match(control)) {
    out.push_back(control);
    if (first_only) return;
  }
  for (QObject* child : control->children()) {
    if (first_only && !out.empty()) return;
    Collect(dynamic_cast<CControlUI*>(child), match, out, first_only);
  }
}

}  // namespace

CPaintManagerUI::CPaintManagerUI(QWidget* host) : host_(host) {}

CControlUI* CPaintManagerUI::GetRoot() const {
  return root_.data();
}

void CPaintManagerUI::AttachRoot(CControlUI* root) {
  root_ = root;
}

void CPaintManagerUI::SendNotify(TNotifyUI& msg) {
  if (notifier_) notifier_->Notify(msg);
}

void CPaintManagerUI::SendNotify(CControlUI* sender, const QString& type, std::intptr_t wparam, std::intptr_t lparam) {
  TNotifyUI msg;
  msg.type = type;
  msg.sender = sender;
  if (sender) {
    msg.sender_name = sender->GetName();
    msg.sender_user_data = sender->GetUserData();
  }
  msg.wparam = wparam;
  msg.lparam = lparam;
  SendNotify(msg);
}

namespace {

void CollectNames(const LayoutNode& node, QSet<QString>& names) {
  if (const QString name = node.Attribute(u"name"); !name.isEmpty()) names.insert(name);
  for (const LayoutNode& child : node.children) CollectNames(child, names);
}

}  // namespace

void CPaintManagerUI::DeferChildren(CControlUI* page, LayoutNode element, IDialogBuilderCallback* callback) {
  DeferredPage deferred{page, std::move(element), callback, {}};
  CollectNames(deferred.element, deferred.names);
  deferred_.push_back(std::move(deferred));
}

bool CPaintManagerUI::IsDeferred(const CControlUI* page) const {
  return std::any_of(deferred_.begin(), deferred_.end(), [page](const DeferredPage& d) { return d.page == page; });
}

bool CPaintManagerUI::BuildDeferred(CControlUI* page) const {
  const auto it =
      std::find_if(deferred_.begin(), deferred_.end(), [page](const DeferredPage& d) { return d.page == page; });
  if (it == deferred_.end()) return false;
  // Taken out first: building may look controls up, and nothing is built twice.
  DeferredPage deferred = std::move(*it);
  deferred_.erase(it);
  if (deferred.page) {
    CDialogBuilder builder;
    builder.BuildChildren(deferred.element, deferred.page, deferred.callback, const_cast<CPaintManagerUI*>(this));
  }
  return true;
}

CControlUI* CPaintManagerUI::FindControl(QStringView name) const {
  if (!deferred_.empty()) {
    const QString wanted = name.toString();
    const auto it = std::find_if(deferred_.begin(), deferred_.end(),
                                 [&wanted](const DeferredPage& d) { return d.names.contains(wanted); });
    if (it != deferred_.end()) BuildDeferred(it->page);
  }
  std::vector<CControlUI*> found;
  Collect(
      root_.data(), [name](CControlUI* c) { return c->objectName() == name; }, found, true);
  return found.empty() ? nullptr : found.front();
}

std::vector<CControlUI*> CPaintManagerUI::FindControls(const std::function<bool(CControlUI*)>& match) const {
  std::vector<CControlUI*> found;
  Collect(root_.data(), match, found, false);
  return found;
}

QFont CPaintManagerUI::GetFont(int id) const {
  if (const auto it = fonts_.constFind(id); it != fonts_.constEnd()) return it.value();
  return theme::Font(id);
}

void CPaintManagerUI::AddFont(int id, const QFont& font) {
  fonts_.insert(id, font);
}

void CPaintManagerUI::AddDefaultAttributeList(const QString& class_name, const QString& attributes) {
  defaults_.insert(class_name.toLower(), attributes);
}

QString CPaintManagerUI::GetDefaultAttributeList(const QString& class_name) const {
  return defaults_.value(class_name.toLower());
}

void CPaintManagerUI::AddStyle(const QString& name, const QString& attributes) {
  styles_.insert(name, attributes);
}

QString CPaintManagerUI::GetStyle(const QString& name) const {
  return styles_.value(name);
}

QPixmap CPaintManagerUI::GetImage(const QString& name) {
  SkinArchive* archive = SkinArchive::Current();
  return archive ? archive->Image(name) : QPixmap();
}

}  // namespace torvane::toolkit
