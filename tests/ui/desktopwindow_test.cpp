// The main window as a desktop program: the progress window above it, input
// during an import dropped, the height toggle, German dialogs, texts that fit,
// dialog frames, tool bar pictures and a program path that is gone.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "dialoganswerer.h"
#include "ui/importinputguard.h"
#include "ui/maintoolbar.h"
#include "ui/reportpagespanel.h"
#include "ui/statuspage.h"
#include "ui/templatepage.h"
#include "game/textutil.h"
#include "ui/tform8.h"
#include "uitestsupport.h"

namespace {

struct DesktopWindowTest : ::testing::Test, uitest::MainWindowFixture {
  void openAndChoose() {
    ASSERT_TRUE(form1->spielinitialisierung(1, QStringLiteral("Erstes"), QStringLiteral("Molvanth")));
    form1->setReportChooser([] { return QStringLiteral("/spiele/cr.cr"); });
  }
  static ImportOutcome read() {
    ImportOutcome out;
    out.status = ImportOutcome::Status::Read;
    return out;
  }
  void clickTab(QTabWidget* tabs, int index) {
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
  }
};

TEST_F(DesktopWindowTest, TheProgressWindowStaysAboveAndTheClicksOfTheImportAreDropped) {
  openAndChoose();
  form1->showNormal();
  form1->resize(1200, 900);
  QApplication::processEvents();
  game.status.punkte = QStringLiteral("120");
  form1->refreshFromModels();
  EXPECT_EQ(form5.parentWidget(), form1.get());
  EXPECT_TRUE(form5.isWindow());

  QTabWidget* lower = form1->PageControl2;
  const int shownBefore = lower->currentIndex();
  bool aboveAndLive = false, zeroShown = false;
  int clicksDuringImport = 0;
  form1->setImporter([&](OpenGame& g, const QString&, const ImportCallbacks& cb) {
    aboveAndLive = form5.isVisible() && form5.isEnabled() && !form1->isEnabled();
    zeroShown = form1->statusPage()->Edit3->text() == QStringLiteral("0");
    // The player clicks a tab, presses keys and the menu shortcut meanwhile.
    clickTab(lower, lower->indexOf(form1->templatePage));
    QTest::keyClick(form1.get(), Qt::Key_D, Qt::AltModifier);
    QTest::keyClicks(form1->templatePage->RichEdit4, QStringLiteral("xyz"));
    cb.progress->repaint();
    clicksDuringImport = lower->currentIndex() != shownBefore ? 1 : 0;
    g.pages.kaempfe << QStringLiteral("Kampf");
    return read();
  });
  // The pages are filled while the progress still shows.
  bool progressWhileFilling = false;
  QObject::connect(form1->PageControl1->ListBox1->model(), &QAbstractItemModel::rowsInserted,
                   [&] { progressWhileFilling = form5.isVisible() && !form1->isEnabled(); });
  form1->Neu1Click();
  QApplication::processEvents();
  EXPECT_TRUE(aboveAndLive);
  EXPECT_TRUE(zeroShown);
  EXPECT_EQ(clicksDuringImport, 0);
  EXPECT_TRUE(progressWhileFilling);
  EXPECT_EQ(lower->currentIndex(), shownBefore);  // nothing happens afterwards either
  EXPECT_FALSE(form1->templatePage->RichEdit4->toPlainText().contains(QStringLiteral("xyz")));
  EXPECT_FALSE(form5.isVisible());
  EXPECT_TRUE(form1->isEnabled());
  EXPECT_EQ(form1->statusPage()->Edit3->text(), QStringLiteral("120"));  // the model's values again
}

TEST_F(DesktopWindowTest, ALongReportTextIsWholeWhenItsPageIsShown) {
  openAndChoose();
  QStringList entries, shortText{QStringLiteral("Botschaft")};
  for (int i = 0; i < 12000; ++i) entries << QStringLiteral("Einheit %1 reist ein").arg(i);
  game.pages.einreise = entries;
  game.pages.botschaften = shortText;
  form1->refreshFromModels();
  ReportPagesPanel* upper = form1->PageControl1;
  EXPECT_EQ(upper->Memo4->toPlainText(), shortText.first());  // short texts at once
  EXPECT_TRUE(upper->isTabVisible(upper->pageIndex(QStringLiteral("Einreisebericht"))));
  upper->setCurrentIndex(upper->pageIndex(QStringLiteral("Einreisebericht")));
  EXPECT_EQ(upper->RichEdit2->toPlainText(), entries.join(u'\n'));
  // A later report's shorter text replaces the one not yet shown.
  upper->setCurrentIndex(0);
  game.pages.einreise = entries;
  form1->refreshFromModels();
  game.pages.einreise = {QStringLiteral("eine")};
  form1->refreshFromModels();
  upper->setCurrentIndex(upper->pageIndex(QStringLiteral("Einreisebericht")));
  EXPECT_EQ(upper->RichEdit2->toPlainText(), QStringLiteral("eine"));
}

TEST(ImportInput, OtherWindowsAreBlockedButTheImportsQuestionIsAnswered) {
  QPushButton other(QStringLiteral("Besitztümer"));
  other.show();
  int clicked = 0;
  QObject::connect(&other, &QPushButton::clicked, [&] { ++clicked; });
  uitest::DialogAnswerer answer;
  {
    ImportInputGuard guard;
    QTest::mouseClick(&other, Qt::LeftButton);
    EXPECT_EQ(clicked, 0);
    EXPECT_GE(guard.dropped(), 2);  // press and release
    const bool yes = Prompts::messageBoxes(nullptr).warnYesNo(QStringLiteral("Trotzdem einlesen?"));
    EXPECT_TRUE(yes);
  }
  QTest::mouseClick(&other, Qt::LeftButton);
  EXPECT_EQ(clicked, 1);
  // Qt's own buttons speak German.
  EXPECT_TRUE(answer.buttonTexts.contains(QStringLiteral("&Ja"))) << answer.buttonTexts.join(u'|').toStdString();
  EXPECT_TRUE(answer.buttonTexts.contains(QStringLiteral("&Nein")));
}

TEST(ProgressDialog, ABusyImportShowsItsNewestValuesAtEachPaint) {
  TForm5 progress;
  progress.setBusy(true);
  progress.setPart(QStringLiteral("Region 1"));
  progress.setPart(QStringLiteral("Region 2"));
  progress.setPercent(40);
  EXPECT_TRUE(progress.edit1->text().isEmpty());  // not yet painted
  progress.repaint();
  EXPECT_EQ(progress.edit1->text(), QStringLiteral("Region 2"));
  EXPECT_EQ(progress.Gauge1->value(), 40);
  progress.setUnitText(QStringLiteral("Hans"));
  progress.setBusy(false);  // the end shows the last values
  EXPECT_EQ(progress.Edit3->text(), QStringLiteral("Hans"));
}

TEST_F(DesktopWindowTest, TheDividersStayWhereThePlayerSetThemAcrossPagesAndARestart) {
  // A double click toggles between low and high; low and a report page
  // active → high; anything else → low.
  EXPECT_EQ(ReportPagesPanel::toggledHeight(121, false), 682);
  EXPECT_EQ(ReportPagesPanel::toggledHeight(121, true), 121);
  EXPECT_EQ(ReportPagesPanel::toggledHeight(682, false), 121);
  EXPECT_EQ(ReportPagesPanel::toggledHeight(300, false), 121);  // dragged with the splitter

  // Both controls keep their least heights; when even those do not fit
  // they share the room.
  const struct {
    int target, total, own, others, expected;
  } clamps[] = {{682, 1400, 60, 60, 682}, {682, 700, 60, 60, 640}, {121, 700, 60, 60, 121},
                {10, 700, 60, 60, 60},    {682, 100, 60, 60, 50},  {682, 0, 60, 60, 0}};
  for (const auto& c : clamps)
    EXPECT_EQ(ReportPagesPanel::clampedHeight(c.target, c.total, c.own, c.others), c.expected) << c.target << " " << c.total;

  const auto pagesWithContent = [this] {
    game.pages.kaempfe << QStringLiteral("Kampf");
    game.pages.handel << QStringLiteral("Handel");
    game.pages.geheimdienst = QStringList(400, QStringLiteral("Bericht"));
    form1->refreshFromModels();
  };
  openAndChoose();
  pagesWithContent();
  form1->showNormal();
  form1->resize(1400, 1000);
  QApplication::processEvents();
  ReportPagesPanel* upper = form1->PageControl1;
  QTabWidget* lower = form1->PageControl2;
  auto* splitter = qobject_cast<QSplitter*>(upper->parentWidget());
  ASSERT_NE(splitter, nullptr);
  // The player drags the divider: the splitter tells of a move.
  splitter->setSizes({300, 600});
  emit splitter->splitterMoved(300, 1);
  QApplication::processEvents();
  const int set = upper->height();
  const int lowerTabsAt = lower->tabBar()->mapTo(form1.get(), QPoint(0, 0)).y();
  for (const char* page : {"Kämpfe", "Status", "Geheimdienstbericht", "Handel", "Status"}) {
    clickTab(upper, upper->pageIndex(QString::fromUtf8(page)));
    QApplication::processEvents();
    EXPECT_EQ(upper->height(), set) << page;
    EXPECT_EQ(lower->tabBar()->mapTo(form1.get(), QPoint(0, 0)).y(), lowerTabsAt) << page;
  }
  // A double click still toggles: low first, then high over the map area.
  clickTab(upper, upper->pageIndex(QStringLiteral("Kämpfe")));
  const auto doubleClick = [upper] {
    QTest::mouseDClick(upper->tabBar(), Qt::LeftButton, {}, upper->tabBar()->tabRect(upper->currentIndex()).center());
    QApplication::processEvents();
    return upper->height();
  };
  EXPECT_EQ(doubleClick(), 121);
  EXPECT_GT(doubleClick(), set);  // as high as the lower tab bar allows
  splitter->setSizes({300, 600});
  emit splitter->splitterMoved(300, 1);

  // The next start shows the divider where the player left it.
  recreateWindow();
  openAndChoose();
  form1->showNormal();
  form1->resize(1400, 1000);
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_NEAR(form1->PageControl1->height(), set, 2);
}

TEST_F(DesktopWindowTest, TheTextsFitAWindowOf1066By760) {
  openAndChoose();
  StatusFields& st = game.status;
  st.datum = QStringLiteral("Mond der milden Winde, Woche3 im Jahre 10");
  st.gesamtproduktion = QStringList(11, QStringLiteral("Elfenbögen : 347222"));
  form1->refreshFromModels();
  form1->showNormal();
  form1->resize(1066, 760);
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_LE(form1->minimumSizeHint().width(), 1066);
  StatusPage* page = form1->statusPage();
  auto wholeInView = [&](QWidget* w) {
    QWidget* view = form1->PageControl1->widget(form1->PageControl1->pageIndex(QStringLiteral("Status")));
    const QRect r(w->mapTo(view, QPoint(0, 0)), w->size());
    return view->rect().contains(r);
  };
  for (QLineEdit* e : {page->Edit2, page->Edit3, page->Edit4, page->Edit5, page->Edit6, page->Edit7, page->Edit8,
                       page->Edit13, page->Edit22, page->Edit23, page->Edit28})
    EXPECT_TRUE(wholeInView(e)) << e->objectName().toStdString();
  QLineEdit* date = page->Edit6;
  EXPECT_GE(date->contentsRect().width() - 4, date->fontMetrics().horizontalAdvance(st.datum));
  QListWidget* production = page->ListBox13;
  ASSERT_EQ(production->count(), 11);
  for (int i = 0; i < production->count(); ++i) {
    const QRect item = production->visualItemRect(production->item(i));
    EXPECT_TRUE(production->viewport()->rect().contains(item)) << i;
    EXPECT_GE(item.width(), production->fontMetrics().horizontalAdvance(production->item(i)->text()));
  }
  EXPECT_TRUE(wholeInView(production));

  form7.show();
  QApplication::processEvents();
  QFont title = form7.font();
  title.setBold(true);
  EXPECT_GT(form7.width(), QFontMetrics(title).horizontalAdvance(form7.windowTitle()) + 100);
}

TEST_F(DesktopWindowTest, FixedDialogsHaveNoSizeButtonsAndKeepTheirSize) {
  TForm8 form8;
  for (QWidget* d : std::initializer_list<QWidget*>{&form3, &form5, &form7, &form8}) {
    d->show();
    QApplication::processEvents();
    const Qt::WindowFlags f = d->windowFlags();
    SCOPED_TRACE(d->objectName().toStdString());
    EXPECT_TRUE(f & Qt::CustomizeWindowHint);
    EXPECT_FALSE(f & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(d->minimumSize(), d->maximumSize());
    EXPECT_FALSE(d->windowTitle().isEmpty());
    d->hide();
  }
  EXPECT_TRUE(form3.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(form8.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(form8.size(), QSize(482, 579));
  EXPECT_FALSE(form5.windowFlags() & Qt::WindowCloseButtonHint);  // the import ends it
}

TEST_F(DesktopWindowTest, ToolButtonsShowPicturesWithTheirTextsForScreenReaders) {
  const char* texts[] = {"Schiffe", "Einheiten", "Weltkarte", "Meldungen", "Zug prüfen", "Besitz"};
  for (int i = 1; i <= 6; ++i) {
    auto* b = form1->ToolBar1->findChild<QToolButton*>(QStringLiteral("ToolButton%1").arg(i));
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(b->icon().isNull()) << i;
    EXPECT_FALSE(b->icon().pixmap(24, 24).isNull()) << i;
    EXPECT_EQ(b->accessibleName(), QString::fromUtf8(texts[i - 1]));
    EXPECT_EQ(b->text(), QString::fromUtf8(texts[i - 1]));
    EXPECT_FALSE(b->toolTip().isEmpty());
  }
}

TEST(GermanDialogs, TextFieldMenusSpeakGerman) {
  // The file dialog's German buttons and filters are checked in the whole turn.
  QLineEdit field;
  std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  QStringList items;
  for (QAction* a : menu->actions()) items << a->text().remove(u'&');
  EXPECT_TRUE(items.join(u'|').contains(QStringLiteral("Rückgängig"))) << items.join(u'|').toStdString();
}

TEST_F(DesktopWindowTest, AProgramPathThatIsGoneOffersTheStartFolder) {
  const QString gone = dir.filePath(QStringLiteral("verschoben/"));
  for (bool yes : {false, true}) {
    config.setSlotLine(1, ConfigFile::ProgramPath, gone);
    config.save();
    recreateWindow();
    said.confirmations.clear();
    said.errors.clear();
    said.answer = yes;
    const bool opened = form1->spielinitialisierung(1, QStringLiteral("Erstes"), QStringLiteral("Molvanth"));
    SCOPED_TRACE(yes);
    ASSERT_EQ(said.confirmations.size(), 1);
    EXPECT_TRUE(said.confirmations.first().contains(gone));
    EXPECT_TRUE(said.confirmations.first().contains(dir.path()));
    EXPECT_EQ(opened, yes);
    if (yes) {
      EXPECT_EQ(game.session.programPath, textutil::normalizeDirectory(dir.path()));
      EXPECT_EQ(ConfigFile::load(configPath()).slotLine(1, ConfigFile::ProgramPath),
                textutil::normalizeDirectory(dir.path()));
      EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join(u'\n').toStdString();
    } else {
      ASSERT_EQ(said.errors.size(), 1);
      EXPECT_TRUE(said.errors.first().contains(gone));
      EXPECT_EQ(ConfigFile::load(configPath()).slotLine(1, ConfigFile::ProgramPath), gone);
    }
  }
}

}  // namespace
