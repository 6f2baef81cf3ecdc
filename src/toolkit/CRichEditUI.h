#pragma once

#include "toolkit/CControlUI.h"

class QPlainTextEdit;

namespace torvane::toolkit {

// A multi-line text field: "readonly", "vscrollbar" (a scroll bar when the text is longer than the field),
// "wordwrap" (on by default), "inset" (space round the text). Sends "killfocus" like CEditUI.
class CRichEditUI : public CControlUI {
 public:
  explicit CRichEditUI(QWidget* parent = nullptr);
  QString GetClass() const override;

  void SetText(const QString& text) override;
  void SetReadOnly(bool read_only);
  bool IsReadOnly() const;
  QPlainTextEdit* GetTextEdit() const { return edit_; }
  void SetAttribute(const QString& name, const QString& value) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QPlainTextEdit* edit_;
};

}  // namespace torvane::toolkit
