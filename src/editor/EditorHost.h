#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace torvane::core {
class Host;
class Session;
}  // namespace torvane::core

namespace torvane::model {
struct FlashImage;
}

namespace torvane::toolkit {
class WindowImplBase;
}

namespace torvane::editor {

// How a key capture ended: `result` is the capture dialog's (CKeyMapDlg::kCaptured with `key`, or another result
// when nothing was captured).
struct CapturedKey {
  int result = 0;
  std::uint8_t key = 0;
};

// What the editing pages need from the main window: the shown image, the unsaved marker, the session and the host
// the core's flows run with, and the window whose controls they drive and which owns their message boxes.
class EditorHost {
 public:
  virtual ~EditorHost() = default;

  virtual model::FlashImage& Image() = 0;
  virtual core::Session& Session() = 0;
  virtual core::Host& FlowHost() = 0;
  virtual toolkit::WindowImplBase& Window() = 0;
  // 0 clears the marker; other bits are added to it.
  virtual void MarkUnsaved(unsigned bits) = 0;
  virtual unsigned UnsavedMask() const = 0;
  // After each change a page makes: the Save button reads "Save *" while anything to save or the page's edits
  // differ from what was last read or saved, and is the plain, disabled "Save" otherwise.
  virtual void RefreshSaveButton() = 0;
  // The editing page for the configuration in table slot `slot`.
  virtual void OpenEditPage(int slot) = 0;
  // Runs the key capture dialog over `owner` (the main window or a settings dialog) until it ends.
  virtual CapturedKey CaptureKey(toolkit::WindowImplBase& owner) = 0;
  // The title of mapping group 0 or 1.
  virtual const QString& MappingGroupName(std::size_t group) const = 0;
  // Goes on from the editing page to the macro manager, which returns to it.
  virtual void OpenMacroManager() = 0;
};

}  // namespace torvane::editor
