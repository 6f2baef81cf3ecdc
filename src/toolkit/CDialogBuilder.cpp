#include "toolkit/CDialogBuilder.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/BuiltinControls.h"
#include "toolkit/CControlUI.h"
#include "toolkit/CPaintManagerUI.h"
#include "toolkit/CTabLayoutUI.h"
#include "toolkit/FieldNames.h"
#include "toolkit/IDialogBuilderCallback.h"
#include "toolkit/LayoutParser.h"
#include "toolkit/SkinArchive.h"
#include "toolkit/Theme.h"

namespace torvane::toolkit {

namespace {

bool IsSetupElement(QStringView tag) {
  return NameIs(tag, u"Font") || NameIs(tag, u"Default") || NameIs(tag, u"Style") || NameIs(tag, u"Image");
}

}  // namespace

bool CDialogBuilder::LoadXml(const QByteArray& xml) {
  error_.clear();
  root_ = ParseLayout(xml, &error_);
  return root_.has_value();
}

bool CDialogBuilder::LoadFile(const QString& file_name) {
  SkinArchive* archive = SkinArchive::Current();
  if (!archive) {
    root_.reset();
    error_ = QStringLiteral("no skin archive is loaded");
    return false;
  }
  const auto data = archive->Read(file_name);
  if (!data) {
    root_.reset();
    error_ = QStringLiteral("the skin archive has no layout \"%1\"").arg(file_name);
    return false;
  }
  if (!LoadXml(*data)) {
    error_ = file_name + QStringLiteral(", ") + error_;
    return false;
  }
  return true;
}

void CDialogBuilder::ApplyWindow(const LayoutNode& window, CPaintManagerUI* manager) {
  if (!manager) return;
  WindowAttributes& attrs = manager->GetWindowAttributes();
  for (const auto& [name, value] : window.attributes) {
    if (NameIs(name, u"size")) {
      attrs.size = ParseSize(value).value_or(attrs.size);
    } else if (NameIs(name, u"mininfo")) {
      attrs.min_size = ParseSize(value).value_or(attrs.min_size);
    } else if (NameIs(name, u"maxinfo")) {
      attrs.max_size = ParseSize(value).value_or(attrs.max_size);
    } else if (NameIs(name, u"caption")) {
      attrs.caption = ParseMargins(value).value_or(attrs.caption);
    } else if (NameIs(name, u"sizebox")) {
      attrs.resizable = true;
    }
  }
  for (const LayoutNode& child : window.children) {
    if (NameIs(child.tag, u"Font")) {
      const auto id = ParseInt(child.Attribute(u"id"));
      if (!id) {
        warnings_.append(QStringLiteral("line %1: <Font> without id").arg(child.line));
        continue;
      }
      QFont font = theme::Font(theme::kFontBody);
      if (const QString family = child.Attribute(u"name"); !family.isEmpty()) font.setFamily(family);
      if (const auto size = ParseInt(child.Attribute(u"size")); size && *size > 0) font.setPointSize(*size);
      font.setBold(ParseBool(child.Attribute(u"bold")).value_or(false));
      font.setItalic(ParseBool(child.Attribute(u"italic")).value_or(false));
      font.setUnderline(ParseBool(child.Attribute(u"underline")).value_or(false));
      manager->AddFont(*id, font);
    } else if (NameIs(child.tag, u"Default")) {
      manager->AddDefaultAttributeList(child.Attribute(u"name"), child.Attribute(u"value"));
    } else if (NameIs(child.tag, u"Style")) {
      manager->AddStyle(child.Attribute(u"name"), child.Attribute(u"value"));
    }
  }
}

CControlUI* CDialogBuilder::Create(IDialogBuilderCallback* callback, CPaintManagerUI* manager, CControlUI* parent) {
  warnings_.clear();
  if (!root_) return nullptr;
  const LayoutNode* top = &*root_;
  if (NameIs(top->tag, u"Window")) {
    ApplyWindow(*top, manager);
    top = nullptr;
    for (const LayoutNode& child : root_->children) {
      if (IsSetupElement(child.tag)) continue;
      if (!top) {
        top = &child;
      } else {
        warnings_.append(
            QStringLiteral("line %1: a window has one root control; <%2> ignored").arg(child.line).arg(child.tag));
      }
    }
    if (!top) {
      error_ = QStringLiteral("the window has no control");
      return nullptr;
    }
  }
  CControlUI* control = Build(*top, callback, manager);
  if (control && parent && !parent->AddChildControl(control)) {
    delete control;
    return nullptr;
  }
  return control;
}

void CDialogBuilder::BuildChildren(const LayoutNode& element, CControlUI* parent, IDialogBuilderCallback* callback,
                                   CPaintManagerUI* manager) {
  warnings_.clear();
  AddChildren(element, parent, callback, manager);
  NameFieldsByTheirLabels(parent);
  parent->NeedUpdate();
}

CControlUI* CDialogBuilder::Build(const LayoutNode& node, IDialogBuilderCallback* callback, CPaintManagerUI* manager,
                                  bool with_children) {
  CControlUI* control = callback ? callback->CreateControl(node.tag) : nullptr;
  if (!control) control = CreateBuiltinControl(node.tag);
  if (!control) {
    warnings_.append(QStringLiteral("line %1: unknown element <%2> skipped").arg(node.line).arg(node.tag));
    return nullptr;
  }
  control->SetManager(manager);
  if (manager) {
    if (const QString defaults = manager->GetDefaultAttributeList(node.tag); !defaults.isEmpty()) {
      control->ApplyAttributeList(defaults);
    }
  }
  for (const auto& [name, value] : node.attributes) {
    if (NameIs(name, u"style")) {
      if (manager) control->ApplyAttributeList(manager->GetStyle(value));
    } else {
      control->SetAttribute(name, value);
    }
  }
  if (with_children) AddChildren(node, control, callback, manager);
  return control;
}

void CDialogBuilder::AddChildren(const LayoutNode& node, CControlUI* control, IDialogBuilderCallback* callback,
                                 CPaintManagerUI* manager) {
  auto* tab = dynamic_cast<CTabLayoutUI*>(control);
  for (const LayoutNode& child_node : node.children) {
    const bool defer = tab != nullptr && manager != nullptr && tab->GetCount() != tab->GetInitialSelection();
    CControlUI* child = Build(child_node, callback, manager, !defer);
    if (!child) continue;
    if (!control->AddChildControl(child)) {
      warnings_.append(
          QStringLiteral("line %1: <%2> cannot hold <%3>").arg(child_node.line).arg(node.tag, child_node.tag));
      delete child;
      continue;
    }
    if (defer) manager->DeferChildren(child, child_node, callback);
  }
}

}  // namespace torvane::toolkit
