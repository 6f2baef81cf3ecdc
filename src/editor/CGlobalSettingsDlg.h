#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "model/FlashRegions.h"

#include "toolkit/WindowImplBase.h"

namespace torvane::editor {

class EditorHost;

// The seven global hot keys (previous and next configuration, config mode, the hip-fire and aim-down-sight
// sensitivity steps) as key buttons: a click captures a key for one, a right click clears it. It edits the list
// in the shown image directly, and puts the configuration block back as it found it the moment it closes other
// than with kConfirmed, so whatever looks at the image then (an unplug keeping the edits) never sees its edits.
class CGlobalSettingsDlg : public toolkit::WindowImplBase {
 public:
  static constexpr int kConfirmed = 1;
  static constexpr int kClosed = 2;
  // Room for more keys than the layout holds; entry i edits global hot key i.
  static constexpr std::size_t kTableSize = 64;

  explicit CGlobalSettingsDlg(EditorHost& host);
  ~CGlobalSettingsDlg() override;

  // The configuration block as the dialog found it.
  const model::ConfigBlock& before() const { return *before_; }

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;
  bool OnClose(int code) override;

  // The button of entry `entry`, or nullptr.
  toolkit::CControlUI* Entry(std::size_t entry) const;

 private:
  // The entry whose button is `button`, or kTableSize.
  std::size_t FindEntry(const toolkit::CControlUI* button) const;
  void CaptureEntry(std::size_t entry);
  void ClearEntry(std::size_t entry);

  EditorHost& host_;
  std::unique_ptr<model::ConfigBlock> before_;
  std::array<toolkit::CControlUI*, kTableSize> buttons_{};
};

}  // namespace torvane::editor
