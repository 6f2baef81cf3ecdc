#pragma once

namespace torvane::device {
struct WritePlan;
}

namespace torvane::model {
struct FlashImage;
}

namespace torvane::toolkit {
class WindowImplBase;
}

namespace torvane::editor {

// What the editing pages need from the main window: the shown image, the unsaved marker, the way to the adapter,
// and the window whose controls they drive and which owns their message boxes.
class EditorHost {
 public:
  virtual ~EditorHost() = default;

  virtual model::FlashImage& Image() = 0;
  virtual toolkit::WindowImplBase& Window() = 0;
  // 0 clears the marker; other bits are added to it.
  virtual void MarkUnsaved(unsigned bits) = 0;
  virtual unsigned UnsavedMask() const = 0;
  // Writes behind the progress dialog; true when the adapter reported the write done.
  virtual bool WritePlan(const device::WritePlan& plan, int mode) = 0;
  virtual void OpenEditPage() = 0;
};

}  // namespace torvane::editor
