#pragma once

#include "editor/exchange/FileDialogs.h"

namespace torvane::editor {

// The desktop's open and save dialogs (through its portal where one runs). They start in the folder last used for
// an exchange file, or in the player's documents folder, and remember the folder of every file chosen.
class QtFileDialogs final : public FileDialogs {
 public:
  std::optional<QString> ChooseOpen(QWidget* owner, const QString& title, model::ExchangeKind kind) override;
  std::optional<QString> ChooseSave(QWidget* owner, const QString& title, const QString& suggested_name,
                                    model::ExchangeKind kind) override;

  // The remembered folder while it still exists, else the documents folder.
  static QString StartFolder();
  static void RememberFolderOf(const QString& file_path);
  // `path` ending in the kind's extension (".vqc", ...): added unless it ends in it already, whatever the case.
  static QString WithExtension(const QString& path, model::ExchangeKind kind);
};

}  // namespace torvane::editor
