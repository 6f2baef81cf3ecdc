#pragma once

#include "toolkit/CControlUI.h"

#include <optional>

class QLineEdit;

namespace torvane::toolkit {

class NumericRangeValidator;

// A one-line text field. "maxchar" limits its length, "readonly" and "password" do what they say, "tipvalue" is
// the grey hint shown while empty. With "numberonly" the field takes digits only and, with "min" / "max", refuses
// any keystroke that would take its number out of that range. Sends "textchanged" when the player changes the
// text, "return" on Enter, "setfocus" and "killfocus" when the focus comes and goes (not when only the window
// loses activation).
class CEditUI : public CControlUI {
 public:
  explicit CEditUI(QWidget* parent = nullptr);
  QString GetClass() const override;

  void SetText(const QString& text) override;
  void SetMaxChar(int max);
  int GetMaxChar() const;
  void SetReadOnly(bool read_only);
  bool IsReadOnly() const;
  void SetPasswordMode(bool password);
  void SetNumberOnly(bool number_only);
  bool IsNumberOnly() const { return number_only_; }
  void SetNumberRange(std::optional<long long> min, std::optional<long long> max);
  std::optional<long long> GetMinNumber() const { return min_; }
  std::optional<long long> GetMaxNumber() const { return max_; }

  QLineEdit* GetLineEdit() const { return edit_; }
  void SetAttribute(const QString& name, const QString& value) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void UpdateValidator();
  void UpdateStyle();

  QLineEdit* edit_;
  QString sheet_;  // the look the field has, as a style sheet
  NumericRangeValidator* validator_ = nullptr;
  bool number_only_ = false;
  std::optional<long long> min_;
  std::optional<long long> max_;
};

}  // namespace torvane::toolkit
