#include "editor/exchange/QtFileDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/SuggestedFileName.h"

namespace torvane::editor {

namespace {

constexpr char kFolderKey[] = "folder";

// The program names no organisation, so the settings are named for the program itself.
QSettings Settings() {
  return QSettings(QCoreApplication::applicationName(), QStringLiteral("exchange"));
}

QString Filter(model::ExchangeKind kind) {
  const model::ExchangeFileType& type = model::FileType(kind);
  return QString::fromLatin1(type.filter_name.data(), static_cast<qsizetype>(type.filter_name.size()));
}

QString Extension(model::ExchangeKind kind) {
  const model::ExchangeFileType& type = model::FileType(kind);
  return QString::fromLatin1(type.extension.data(), static_cast<qsizetype>(type.extension.size()));
}

std::optional<QString> Run(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  QtFileDialogs::RememberFolderOf(files.front());
  return files.front();
}

}  // namespace

std::optional<QString> QtFileDialogs::ChooseOpen(QWidget* owner, const QString& title, model::ExchangeKind kind) {
  QFileDialog dialog(owner, title, StartFolder(), Filter(kind));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Run(dialog);
}

std::optional<QString> QtFileDialogs::ChooseSave(QWidget* owner, const QString& title, const QString& suggested_name,
                                                 model::ExchangeKind kind) {
  // Offered with its extension: a suggested name may hold a dot, which would pass for one.
  QFileDialog dialog(owner, title, QDir(StartFolder()).filePath(WithExtension(suggested_name, kind)), Filter(kind));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(Extension(kind));
  const std::optional<QString> chosen = Run(dialog);
  if (!chosen) return std::nullopt;
  const QString path = WithExtension(*chosen, kind);
  // The dialog asked about the name it returned; one made longer here may name another existing file.
  if (path != *chosen && QFileInfo::exists(path)) {
    const QString question =
        QString::fromStdString(model::ReplaceFileQuestion(QFileInfo(path).fileName().toStdString()));
    if (dialogs::ShowMessageBox(title, owner, question, dialogs::kMbYesNo) != dialogs::kIdYes) return std::nullopt;
  }
  return path;
}

QString QtFileDialogs::StartFolder() {
  const QString remembered = Settings().value(QLatin1String(kFolderKey)).toString();
  if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void QtFileDialogs::RememberFolderOf(const QString& file_path) {
  Settings().setValue(QLatin1String(kFolderKey), QFileInfo(file_path).absolutePath());
}

QString QtFileDialogs::WithExtension(const QString& path, model::ExchangeKind kind) {
  return QString::fromStdString(model::WithExtension(path.toStdString(), kind));
}

}  // namespace torvane::editor
