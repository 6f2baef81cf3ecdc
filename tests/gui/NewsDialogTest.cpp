// The news message: received, shown from the news button with or without its link, marked read and stored once.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QPlainTextEdit>

#include <string>
#include <vector>

#include "core/ManagerFolders.h"
#include "core/news/NewsFile.h"
#include "model/exchange/NewsStore.h"
#include "support/MainWindowFixture.h"
#include "support/NewsRecord.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/CRichEditUI.h"

namespace torvane::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes StoredNews() {
  QFile file(QString::fromStdString(core::NewsFilePath()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  return {bytes.begin(), bytes.end()};
}

class NewsDialogTest : public MainWindowFixture {
 protected:
  void SetUp() override { QFile::remove(QString::fromStdString(core::NewsFilePath())); }
  void TearDown() override { QFile::remove(QString::fromStdString(core::NewsFilePath())); }
  QString ButtonText() const { return Control(u"btnMessage")->GetText(); }
};

TEST_F(NewsDialogTest, ShowsTheMessageAndMarksItReadOnce) {
  struct Case {
    const char* what;
    News news;
    bool link_shown;
    QString opened;  // what a click on the link opens; empty: nothing
  };
  const std::vector<Case> cases{
      {"web link",
       {1, "Firmware 4.6", "https://example.org/news", "Read more", "New firmware is out.\r\nUpgrade now."},
       true,
       QStringLiteral("https://example.org/news")},
      {"target without caption", {2, "Notice", "https://example.org", "", "No link here."}, false, {}},
      {"a program as the link", {3, "Odd", "/bin/sh", "Run", "Nothing starts."}, true, {}},
      {"no title", {4, "", "", "", "Only text."}, false, {}},
  };
  StartWindow(false);
  EXPECT_FALSE(IsShown(u"btnMessage"));
  for (const Case& test : cases) {
    SCOPED_TRACE(test.what);
    opened_links.clear();
    const Bytes record = MakeNewsRecord(test.news);
    ASSERT_EQ(window->ReceiveNews(record), model::NewsReceipt::kStored);
    EXPECT_EQ(StoredNews(), record);
    EXPECT_TRUE(IsShown(u"btnMessage"));
    EXPECT_EQ(ButtonText(), QStringLiteral("New Message"));

    bool shown = false;
    WhenModalShows(u"messageContentEdit", [&](toolkit::WindowImplBase& dialog) {
      shown = true;
      EXPECT_EQ(dialog.FindControl(u"newsTitlelbl")->GetText(), QString::fromStdString(test.news.title));
      auto* content = dialog.FindControl<toolkit::CRichEditUI>(u"messageContentEdit");
      EXPECT_EQ(content->GetTextEdit()->toPlainText(),
                QString::fromStdString(test.news.content).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
      auto* link = dialog.FindControl<toolkit::CButtonUI>(u"btnLink");
      EXPECT_EQ(link->IsVisible(), test.link_shown);
      if (test.link_shown) {
        EXPECT_EQ(link->GetText(), QString::fromStdString(test.news.link_caption));
        for (const char16_t* name : {u"btnLink", u"closebtn", u"messageContentEdit"}) {
          toolkit::CControlUI* control = dialog.FindControl(name);
          EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << QString::fromUtf16(name).toStdString();
        }
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(link)->text(QAccessible::Name).isEmpty());
        if (test.news.day == 1) SaveRendering(QStringLiteral("news_dialog.png"), &dialog);
        link->Activate();
      }
      dialog.Close(1);
    });
    Click(u"btnMessage");
    EXPECT_TRUE(shown);
    EXPECT_EQ(opened_links.empty() ? QString() : opened_links.front().toString(), test.opened);

    // Stored again as read, with a digest that matches.
    const Bytes stored = StoredNews();
    ASSERT_EQ(stored.size(), record.size());
    EXPECT_EQ(stored[0], 0);
    EXPECT_TRUE(model::VerifyDigest(stored, 5));
    EXPECT_EQ(ButtonText(), QStringLiteral("Message"));
    EXPECT_TRUE(Control(u"btnMessage")->GetUserData().isEmpty());

    // A second showing finds it read and writes nothing.
    QFile::remove(QString::fromStdString(core::NewsFilePath()));
    WhenModalShows(u"messageContentEdit", [](toolkit::WindowImplBase& dialog) { dialog.Close(1); });
    Click(u"btnMessage");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(core::NewsFilePath())));
  }
}

TEST_F(NewsDialogTest, AStoredMessageComesBackAtStartAndOnlyALaterOneReplacesIt) {
  const Bytes record = MakeNewsRecord({5, "Kept", "", "", "From the last run."});
  ASSERT_TRUE(core::StoreNewsFile(record));
  StartWindow(false);
  EXPECT_TRUE(IsShown(u"btnMessage"));
  EXPECT_TRUE(Control(u"btnMessage")->focusPolicy() & Qt::TabFocus);
  EXPECT_EQ(ButtonText(), QStringLiteral("New Message"));
  EXPECT_EQ(window->ReceiveNews(MakeNewsRecord({5, "Same day", "", "", "Ignored."})), model::NewsReceipt::kNotNewer);
  EXPECT_EQ(StoredNews(), record);
  EXPECT_EQ(ButtonText(), QStringLiteral("New Message"));
}

}  // namespace
}  // namespace torvane::testing
