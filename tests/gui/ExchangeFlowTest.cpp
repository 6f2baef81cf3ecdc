// The exchange files from the home page's buttons, through the desktop's file dialogs: what the dialogs are asked,
// where the file goes, and what the list shows afterwards. The flows themselves are the core's (tests/core).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#include "dialogs/CListCtrlUI.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "editor/exchange/QtFileDialogs.h"
#include "model/exchange/ConfigExchange.h"
#include "model/exchange/SuggestedFileName.h"
#include "model/tables/ConfigActions.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/NameText.h"
#include "support/AnsweredFileDialogs.h"
#include "support/MainWindowFixture.h"
#include "toolkit/NarrowText.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;
using model::ExchangeKind;

class ExchangeFlowTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    ASSERT_TRUE(StartOnHomePage());
  }
  model::FlashImage& Image() { return state.session.image(); }
  QString Path(const char* name) const { return QDir(folder_.path()).filePath(QString::fromLatin1(name)); }

  QTemporaryDir folder_;
  AnsweredFileDialogs dialogs_;
};

TEST_F(ExchangeFlowTest, TheListsButtonsExportAndImportThroughTheFileDialogs) {
  ASSERT_TRUE(window->home().List()->SelectItem(0));
  const model::ConfigRecord config = Image().config.records[0];
  dialogs_.Answer(Path("exported"));
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Click(u"btnExportConfig");
  ASSERT_EQ(MessageBoxAnswers::Shown().size(), 1);
  EXPECT_EQ(MessageBoxAnswers::Shown().front().text, QStringLiteral("\nExport successfully!!"));
  ASSERT_EQ(dialogs_.asked.size(), 1u);
  EXPECT_TRUE(dialogs_.asked.back().save);
  EXPECT_EQ(dialogs_.asked.back().title, QStringLiteral("Export Configuration"));
  EXPECT_EQ(dialogs_.asked.back().suggested_name, toolkit::DecodeNarrow(model::SuggestedConfigFileName(config)));
  QFile written(Path("exported"));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.size(), 864);

  model::DeleteConfigWithMacros(Image(), Image().config.host, model::ReadName(config.name));
  window->MarkUnsaved(0);
  window->home().ShowCurrent();
  const int items = window->home().List()->GetCount();
  dialogs_.Answer(Path("exported"));
  MessageBoxAnswers::Reset();
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);  // the game's notes, when it has any
  Click(u"btnImportConfig");
  EXPECT_FALSE(dialogs_.asked.back().save);
  EXPECT_EQ(dialogs_.asked.back().title, QStringLiteral("Import Configuration"));
  EXPECT_EQ(window->home().List()->GetCount(), items + 1);
  EXPECT_EQ(window->home().List()->GetCurSel(), -1);
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig | model::kUnsavedResponse);
  EXPECT_EQ(Control(u"btnSave")->GetText(), QStringLiteral("Save *"));
}

TEST(QtFileDialogsTest, TheLastFolderIsRememberedWhileItExists) {
  using editor::QtFileDialogs;
  auto folder = std::make_unique<QTemporaryDir>();
  QtFileDialogs::RememberFolderOf(folder->filePath(QStringLiteral("a.vqc")));
  EXPECT_EQ(QtFileDialogs::StartFolder(), folder->path());
  folder.reset();  // a remembered folder that has gone is not offered
  EXPECT_EQ(QtFileDialogs::StartFolder(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

TEST(QtFileDialogsTest, SaveDialogOffersTheNameWhereTheLastFileWent) {
  QTemporaryDir folder;
  editor::QtFileDialogs::RememberFolderOf(folder.filePath(QStringLiteral("earlier.vqm")));
  QString offered;
  QStringList filters;
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [&, timer] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    timer->deleteLater();
    offered = dialog->selectedFiles().value(0);
    filters = dialog->nameFilters();
    dialog->selectFile(QStringLiteral("Race"));  // typed without an extension
    static_cast<QDialog*>(dialog)->accept();     // QFileDialog's own accept, reached through the public base
  });
  timer->start(10);
  editor::QtFileDialogs dialogs;
  const std::optional<QString> chosen = dialogs.ChooseSave(nullptr, QStringLiteral("Export Configuration"),
                                                           QStringLiteral("Race(PS4)"), ExchangeKind::kConfig);
  EXPECT_EQ(offered, folder.filePath(QStringLiteral("Race(PS4).vqc")));
  EXPECT_EQ(filters, QStringList{QStringLiteral("vqc(*.vqc)")});
  EXPECT_EQ(chosen, folder.filePath(QStringLiteral("Race.vqc")));
  EXPECT_EQ(editor::QtFileDialogs::StartFolder(), folder.path());
}

}  // namespace
}  // namespace torvane::testing
