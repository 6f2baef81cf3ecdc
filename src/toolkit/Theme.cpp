#include "toolkit/Theme.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QStyleFactory>

#include <future>
#include <string_view>

#include "platform/UiFontFamily.h"

namespace torvane::toolkit::theme {

QColor Color(std::uint32_t argb) {
  return QColor::fromRgba(argb);
}

QFont Font(int id) {
  QFont font = QApplication::font();
  // Named rather than looked up: asking the font database whether it has a family waits for the whole font list.
  static const QString family = [] {
    const std::string_view name = platform::UiFontFamily();
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  }();
  if (!family.isEmpty()) font.setFamily(family);
  font.setStyleStrategy(QFont::PreferAntialias);
  switch (id) {
    case kFontBodyBold:
      font.setPointSizeF(10);
      font.setWeight(QFont::DemiBold);
      break;
    case kFontTitle:
      font.setPointSizeF(11);
      font.setWeight(QFont::DemiBold);
      break;
    case kFontHeading:
      font.setPointSizeF(14);
      font.setWeight(QFont::DemiBold);
      break;
    case kFontSmall:
      font.setPointSizeF(9);
      break;
    default:
      font.setPointSizeF(10);
      break;
  }
  return font;
}

QString NativeStyleSheet(bool dimmed) {
  const QString fields = dimmed
                             ? QStringLiteral(
                                   "QLineEdit, QPlainTextEdit, QComboBox {"
                                   "  background: #20252D; color: #5C6572; border: 1px solid #2F3640;"
                                   "  border-radius: 4px; }")
                             : QStringLiteral(
                                   "QLineEdit, QPlainTextEdit, QComboBox {"
                                   "  background: #2A303A; color: #E6E9EF; border: 1px solid #39414D;"
                                   "  border-radius: 4px; selection-background-color: #007DFF;"
                                   "  selection-color: #FFFFFF; }"
                                   "QLineEdit:hover, QComboBox:hover, QPlainTextEdit:hover { border-color: #4A5361; }"
                                   "QLineEdit:focus, QComboBox:focus, QPlainTextEdit:focus {"
                                   "  border: 1px solid #007DFF; }");
  return fields + QStringLiteral(
                      "QLineEdit { padding: 0px 8px; }"
                      "QPlainTextEdit { padding: 4px; }"
                      "QComboBox { padding: 0px 28px 0px 8px; }"
                      "QComboBox::drop-down { width: 24px; border: none; background: transparent; }"
                      "QComboBox::down-arrow { image: none; width: 0px; height: 0px; }"
                      "QComboBox QAbstractItemView {"
                      "  background: #1E232B; color: #E6E9EF; border: 1px solid #39414D; outline: 0px;"
                      "  selection-background-color: #007DFF; selection-color: #FFFFFF; padding: 4px; }"
                      "QScrollBar:vertical { background: transparent; width: 10px; margin: 2px; }"
                      "QScrollBar::handle:vertical { background: #39414D; border-radius: 3px; min-height: 24px; }"
                      "QScrollBar::handle:vertical:hover { background: #4A5361; }"
                      "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0px; }"
                      "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }");
}

std::future<void> Apply(QApplication& app) {
  // The first text waits for the system's font list; read it on a thread meanwhile (the font database is
  // thread-safe).
  std::future<void> font_list = std::async(std::launch::async, [] { QFontDatabase::families(); });
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
  QPalette palette;
  palette.setColor(QPalette::Window, Color(kWindow));
  palette.setColor(QPalette::WindowText, Color(kText));
  palette.setColor(QPalette::Base, Color(kRaised));
  palette.setColor(QPalette::AlternateBase, Color(kPanel));
  palette.setColor(QPalette::Text, Color(kText));
  palette.setColor(QPalette::Button, Color(kRaised));
  palette.setColor(QPalette::ButtonText, Color(kText));
  palette.setColor(QPalette::Highlight, Color(kAccent));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::ToolTipBase, Color(kPanel));
  palette.setColor(QPalette::ToolTipText, Color(kText));
  palette.setColor(QPalette::PlaceholderText, Color(kTextSecondary));
  palette.setColor(QPalette::Disabled, QPalette::Text, Color(kTextDisabled));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, Color(kTextDisabled));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, Color(kTextDisabled));
  app.setPalette(palette);
  app.setFont(Font(kFontBody));
  return font_list;
}

}  // namespace torvane::toolkit::theme
