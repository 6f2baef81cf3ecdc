#pragma once

#include <QFont>
#include <QMargins>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>

class QFocusEvent;
class QPainter;

namespace torvane::toolkit {

class CPaintManagerUI;

// The base of every control a layout builds: a QWidget carrying the layout's attributes (name, text, colours,
// images, sizes) that paints itself in the toolkit's order (background colour, background image, status image,
// text, border) and sends notifications to its window through the window's paint manager.
//
// Colours are ARGB values (0xFF00FF00 is opaque green); 0 means "not set", so the theme's colour is used.
// Sizes are device-independent pixels; Qt scales them on HiDPI screens.
class CControlUI : public QWidget {
 public:
  explicit CControlUI(QWidget* parent = nullptr);
  ~CControlUI() override;

  virtual QString GetClass() const;

  CPaintManagerUI* GetManager() const { return manager_; }
  // Gives this control and (containers override) its children to a window's manager.
  virtual void SetManager(CPaintManagerUI* manager);
  CControlUI* GetParentControl() const;

  QString GetName() const { return objectName(); }
  void SetName(const QString& name) { setObjectName(name); }
  QString GetText() const { return text_; }
  virtual void SetText(const QString& text);
  // What the control stands for, said before its text to assistive technology: a key button labelled "X/Square"
  // that shows "SpaceBar" is read "X/Square: SpaceBar". Without one the text alone names the control.
  QString GetAccessibleLabel() const { return accessible_label_; }
  void SetAccessibleLabel(const QString& label);
  QString GetUserData() const { return user_data_; }
  void SetUserData(const QString& user_data) { user_data_ = user_data; }
  QString GetToolTip() const { return toolTip(); }
  void SetToolTip(const QString& tip) { setToolTip(tip); }

  std::uint32_t GetTextColor() const { return text_color_; }
  void SetTextColor(std::uint32_t argb);
  std::uint32_t GetDisabledTextColor() const { return disabled_text_color_; }
  void SetDisabledTextColor(std::uint32_t argb);
  std::uint32_t GetBkColor() const { return bk_color_; }
  void SetBkColor(std::uint32_t argb);
  QString GetBkImage() const { return bk_image_; }
  void SetBkImage(const QString& image);
  std::uint32_t GetBorderColor() const { return border_color_; }
  void SetBorderColor(std::uint32_t argb);
  int GetBorderSize() const { return border_size_; }
  void SetBorderSize(int size);
  int GetBorderRound() const { return border_round_; }
  void SetBorderRound(int radius);
  int GetFont() const { return font_id_; }
  void SetFont(int id);

  // Shown or hidden by the layout's wish, whether or not the window is on screen yet.
  bool IsVisible() const { return visible_; }
  virtual void SetVisible(bool visible);
  // The control's own enabled state (a disabled parent also disables it, see IsEnabledInWindow).
  bool IsEnabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
  virtual void SetEnabled(bool enabled);
  // Enabled here and in every ancestor up to, not including, the window: a window disabled as the owner of a
  // modal dialog keeps its controls looking as they were.
  bool IsEnabledInWindow() const;
  bool IsMouseEnabled() const { return !testAttribute(Qt::WA_TransparentForMouseEvents); }
  void SetMouseEnabled(bool enabled);

  // Geometry wishes the parent layout honours.
  int GetFixedWidth() const { return fixed_width_; }
  void SetFixedWidth(int width);
  int GetFixedHeight() const { return fixed_height_; }
  void SetFixedHeight(int height);
  int GetMinWidth() const { return min_width_; }
  int GetMaxWidth() const { return max_width_; }
  int GetMinHeight() const { return min_height_; }
  int GetMaxHeight() const { return max_height_; }
  QMargins GetPadding() const { return padding_; }
  void SetPadding(const QMargins& padding);
  bool IsFloat() const { return float_; }
  void SetFloat(bool is_float);
  // Position inside the parent for a floating control ("pos" x1,y1,x2,y2).
  QRect GetFloatPos() const { return float_pos_; }
  void SetFloatPos(const QRect& pos);

  // Applies one layout attribute; unknown names are ignored. Subclasses handle theirs and pass the rest on.
  virtual void SetAttribute(const QString& name, const QString& value);
  // name="value" pairs as in <Default> and <Style>.
  void ApplyAttributeList(const QString& list);

  // Takes a child element of the layout. Plain controls have no children (false: the builder drops the child);
  // containers add it, a combo takes its items.
  virtual bool AddChildControl(CControlUI* child);

  // Asks this control to lay out / repaint again; containers re-arrange their children.
  virtual void NeedUpdate();
  void NeedParentUpdate();

  // Makes the widget's shown state follow IsVisible() once the control has a parent.
  void ApplyVisibility();

  // Sends a notification of this control to its window (nothing without a manager).
  void SendNotify(const QString& type, std::intptr_t wparam = 0, std::intptr_t lparam = 0);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

  virtual void DoPaint(QPainter& painter);
  virtual void PaintBkColor(QPainter& painter);
  virtual void PaintBkImage(QPainter& painter);
  virtual void PaintStatusImage(QPainter& painter);
  virtual void PaintText(QPainter& painter);
  virtual void PaintBorder(QPainter& painter);

  // Draws an image descriptor ("name.png" or "file='..' corner='..'") over the whole control.
  bool DrawImage(QPainter& painter, const QString& descriptor) const;
  QFont ResolvedFont() const;
  QColor ResolvedTextColor() const;
  // Whether a focus change is the player's: not a window losing activation, a popup opening, or the window
  // being disabled as the owner of a modal dialog (which takes the focus from its controls).
  bool IsPlayerFocusChange(const QFocusEvent* event) const;

 private:
  CPaintManagerUI* manager_ = nullptr;
  // The accessible name follows the text and the label.
  void UpdateAccessibleName();

  QString text_;
  QString accessible_label_;
  QString user_data_;
  std::uint32_t text_color_ = 0;
  std::uint32_t disabled_text_color_ = 0;
  std::uint32_t bk_color_ = 0;
  QString bk_image_;
  std::uint32_t border_color_ = 0;
  int border_size_ = 0;
  int border_round_ = 0;
  int font_id_ = -1;
  bool visible_ = true;
  bool float_ = false;
  QRect float_pos_;
  int fixed_width_ = 0;
  int fixed_height_ = 0;
  int min_width_ = 0;
  int max_width_ = 0;
  int min_height_ = 0;
  int max_height_ = 0;
  QMargins padding_;
};

}  // namespace torvane::toolkit
