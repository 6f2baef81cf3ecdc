#pragma once

#include "toolkit/CControlUI.h"

#include <functional>

namespace torvane::toolkit {

// The vertical scroll bar of a scrolling container: a rounded thumb on a slim track. Images from the layout
// ("bkimage" for the track, "thumbnormalimage", "thumbhotimage", "thumbpushedimage") replace the drawn look.
class CScrollBarUI : public CControlUI {
 public:
  explicit CScrollBarUI(QWidget* parent = nullptr);
  QString GetClass() const override;

  int GetScrollRange() const { return range_; }
  void SetScrollRange(int range);
  int GetScrollPos() const { return pos_; }
  void SetScrollPos(int pos);
  // The visible extent, which sets the thumb's length.
  void SetPageSize(int page);
  int GetLineSize() const { return line_size_; }
  void SetAttribute(const QString& name, const QString& value) override;

  // Called with the new position whenever the player moves the bar.
  void SetOnScroll(std::function<void(int)> on_scroll) { on_scroll_ = std::move(on_scroll); }

  QRect ThumbRect() const;

 protected:
  void PaintStatusImage(QPainter& painter) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void MoveTo(int pos);

  int range_ = 0;
  int pos_ = 0;
  int page_ = 0;
  int line_size_ = 48;
  bool hot_ = false;
  bool dragging_ = false;
  int drag_start_y_ = 0;
  int drag_start_pos_ = 0;
  QString thumb_normal_;
  QString thumb_hot_;
  QString thumb_pushed_;
  std::function<void(int)> on_scroll_;
};

}  // namespace torvane::toolkit
