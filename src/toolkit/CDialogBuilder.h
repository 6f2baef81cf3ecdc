#pragma once

#include "toolkit/LayoutNode.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace torvane::toolkit {

class CControlUI;
class CPaintManagerUI;
class IDialogBuilderCallback;

// Builds controls from an XML layout. A window layout has a <Window> root whose attributes ("size", "mininfo",
// "maxinfo", "caption", "sizebox") go to the window, whose <Font id name size bold italic underline>,
// <Default name value> and <Style name value> elements set up the manager, and whose first control element is
// the window's root control. A layout without <Window> (an item template) is one control tree.
//
// For each element the callback is asked first, then the toolkit's own controls; an unknown element is skipped
// with its children (and listed in GetWarnings). A control takes the <Default> attributes of its element name,
// then its own attributes in order ("style" inserts a <Style>'s attributes at that point).
//
// The parsed layout is kept, so Create can build the same tree again (one list item per call).
//
// A tab layout's pages other than the selected one are built without their children, which wait in the manager
// until the page is first shown or one of its controls is looked up (CPaintManagerUI::DeferChildren): a window
// with many pages starts as fast as one with a single page.
class CDialogBuilder {
 public:
  bool LoadXml(const QByteArray& xml);
  // Reads the layout from the current skin archive.
  bool LoadFile(const QString& file_name);
  bool IsLoaded() const { return root_.has_value(); }
  const LayoutNode* Root() const { return root_ ? &*root_ : nullptr; }

  // Builds the tree, gives every control `manager`, and adds the root to `parent` when one is given (nullptr,
  // and the tree destroyed, if the parent refuses it). Returns the root control or nullptr.
  CControlUI* Create(IDialogBuilderCallback* callback, CPaintManagerUI* manager, CControlUI* parent = nullptr);
  // Builds the children of layout element `element` into `parent`, which was built from it without them; their
  // fields are named by their labels as a window's are.
  void BuildChildren(const LayoutNode& element, CControlUI* parent, IDialogBuilderCallback* callback,
                     CPaintManagerUI* manager);

  QString GetError() const { return error_; }
  QStringList GetWarnings() const { return warnings_; }

 private:
  CControlUI* Build(const LayoutNode& node, IDialogBuilderCallback* callback, CPaintManagerUI* manager,
                    bool with_children = true);
  void AddChildren(const LayoutNode& node, CControlUI* control, IDialogBuilderCallback* callback,
                   CPaintManagerUI* manager);
  void ApplyWindow(const LayoutNode& window, CPaintManagerUI* manager);

  std::optional<LayoutNode> root_;
  QString error_;
  QStringList warnings_;
};

}  // namespace torvane::toolkit
