// The region page, unit list, unit view, command editor and possessions
// window after a real report was read, driven through the region entry the
// map clicks call.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QDir>
#include <QHeaderView>
#include <QScreen>
#include <QTextBlock>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "game/codec.h"
#include "db/table.h"
#include "programfolderfixture.h"
#include "turn/reportimporter.h"
#include "support/testsupport.h"
#include "ui/gridpage.h"
#include "ui/mapareapanel.h"
#include "ui/maintoolbar.h"
#include "ui/regioncontroller.h"
#include "ui/regionpage.h"
#include "ui/savedindicator.h"
#include "ui/templatepage.h"
#include "ui/tform6.h"
#include "ui/tform9.h"
#include "ui/unitpage.h"
#include "ui/windowplacement.h"

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

struct RegionWindowTest : ::testing::Test, uitest::ProgramFolderFixture {
  TForm6 form6;
  TForm9 form9;
  QList<std::tuple<int, int, QColor>> coloured;

  void SetUp() override {
    setDialogs(&form6, &form9);
    ASSERT_TRUE(openSlot1());
    const QStringList errors = readReport(testsupport::sharedReport(u8("481-beispiel.cr")));
    ASSERT_TRUE(errors.isEmpty()) << errors.join(u8("\n")).toStdString();
    form1->regionController->setRegionColourer([this](int x, int y, const QColor& c) { coloured << std::tuple{x, y, c}; });
    form1->show();
    form1->regionController->getSekKoo(14, -27);
    shot("region");
  }
  // Pictures for a look under Xvfb (ZENDRAL_SHOTS names the folder).
  void shot(const char* name, QWidget* page = nullptr, QWidget* window = nullptr) {
    const QString folder = qEnvironmentVariable("ZENDRAL_SHOTS");
    if (folder.isEmpty()) return;
    if (page) form1->PageControl2->setCurrentWidget(page);
    (window ? window : form1.get())->grab().save(QDir(folder).filePath(u8(name) + u8(".png")));
  }
  UnitPage* units() { return form1->unitPage; }
  void choose(const QString& start) {
    QListWidget* list = units()->ListBox3;
    for (int i = 0; i < list->count(); ++i)
      if (list->item(i)->text().trimmed().startsWith(start)) list->setCurrentRow(i);
    form1->regionController->ListBox3Click();
  }
};

TEST_F(RegionWindowTest, ClickFillsRegionPageUnitListAndHistory) {
  RegionPage* r = form1->regionPage;
  EXPECT_EQ(form1->mapArea->Panel1->text(), u8("Falkenfeld  14/-27"));
  EXPECT_EQ(r->DBEdit3->text(), u8("Falkenfeld"));
  EXPECT_EQ(r->DBEdit7->text(), u8("2746"));
  EXPECT_EQ(r->Edit9->text(), u8("9"));
  ASSERT_GE(r->TreeView1->topLevelItemCount(), 1);
  QTreeWidgetItem* own = nullptr;
  for (int i = 0; i < r->TreeView1->topLevelItemCount(); ++i)
    if (r->TreeView1->topLevelItem(i)->text(0).startsWith(u8("Die Spielkinder"))) own = r->TreeView1->topLevelItem(i);
  ASSERT_NE(own, nullptr);
  EXPECT_TRUE(own->isExpanded());
  EXPECT_TRUE(r->Memo7->toPlainText().contains(u8("Falke (wzqt) für Die Spielkinder")));
  EXPECT_EQ(units()->listLines().value(1), u8("              Falke (wzqt) , Halblinge"));
  // The filters show the region again: without "Alle" only own units.
  units()->CheckBox1->setChecked(false);
  EXPECT_EQ(units()->ListBox3->count(), 2);
  units()->CheckBox1->setChecked(true);
  EXPECT_EQ(units()->ListBox3->count(), 3);
  QTableWidget* grid = form1->statisticsPage->grid();
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), u8("Datum"));
  EXPECT_EQ(grid->item(grid->rowCount() - 1, 5)->text(), u8("2746"));

  // A typed name reaches the region row when another region is shown.
  r->DBEdit3->setText(u8("Falkenheim"));
  form1->regionController->getSekKoo(99, 99);
  EXPECT_EQ(form1->mapArea->Panel1->text(), u8("Keine Informationen über Region"));
  EXPECT_TRUE(r->DBEdit3->text().isEmpty());
  EXPECT_EQ(grid->rowCount(), 1);  // no history: not the one of the region before
  EXPECT_EQ(grid->item(0, 0)->text(), QString());
  Table regions(db, u8("regionen"));
  ASSERT_TRUE(regions.findKey({1, 14, -27, 0}));
  EXPECT_EQ(regions.text(u8("Regionname")), u8("Falkenheim"));
}

TEST_F(RegionWindowTest, ChoosingEntriesShowsUnitBuildingAndLayout) {
  choose(u8("Falke"));
  EXPECT_EQ(units()->Edit29->text(), u8("bsp"));
  EXPECT_EQ(units()->DBEdit23->text(), u8("9"));
  EXPECT_EQ(units()->Memo2->toPlainText(), u8("9 Schwert\n9 Schild"));
  EXPECT_TRUE(units()->CheckBox3->isEnabled());
  EXPECT_EQ(units()->PageControl4->height(), 69);
  EXPECT_EQ(units()->detailsTop(), 396);
  shot("unit", units());

  // A key released in the list shows the chosen line as a click does.
  QListWidget* list = units()->ListBox3;
  list->setCurrentRow(2);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
  QApplication::sendEvent(list, &release);
  EXPECT_EQ(units()->Edit29->text(), u8(" ---- "));
  choose(u8("Erschlagene"));
  EXPECT_FALSE(units()->CheckBox3->isEnabled());

  choose(u8("-Burg"));
  QTabWidget* tabs = units()->PageControl4;
  EXPECT_TRUE(tabs->isTabVisible(tabs->indexOf(units()->TabSheet23)));
  EXPECT_EQ(units()->PageControl4->height(), 89);
  EXPECT_FALSE(units()->DBMemo1->toPlainText().isEmpty());
}

TEST_F(RegionWindowTest, AnotherRegionClearsTheUnitShownBeforeAndKeepsItsEdits) {
  choose(u8("Falke"));
  ASSERT_EQ(units()->Edit29->text(), u8("bsp"));
  units()->DBEdit22->setText(u8("1234"));  // the player corrects the silver
  form1->regionController->getSekKoo(15, -27);
  for (QLineEdit* e : {units()->DBEdit2, units()->Edit29, units()->DBEdit23, units()->DBEdit22, units()->DBEdit21,
                       units()->DBEdit31})
    EXPECT_TRUE(e->text().isEmpty()) << e->objectName().toStdString() << ": " << e->text().toStdString();
  for (QPlainTextEdit* t : {units()->Memo2, units()->Memo3, units()->Memo9, units()->DBMemo1})
    EXPECT_TRUE(t->toPlainText().isEmpty()) << t->objectName().toStdString();
  EXPECT_FALSE(units()->CheckBox3->isEnabled());
  // The correction went into the unit's row before it left the page.
  form1->regionController->getSekKoo(14, -27);
  choose(u8("Falke"));
  EXPECT_EQ(units()->DBEdit22->text(), u8("1234"));
}

TEST_F(RegionWindowTest, TheEditorOpensBesideTheListAndTheTemplateStaysAtTheUnit) {
  form1->PageControl2->setCurrentWidget(units());
  QApplication::processEvents();
  choose(u8("Falke"));
  form1->regionController->ListBox3DblClick();
  ASSERT_TRUE(form6.isVisible());
  const QRect list(units()->ListBox3->mapToGlobal(QPoint(0, 0)), units()->ListBox3->size());
  // Beside the list where the screen has room for it, else kept on the
  // screen; its top at the list's top.
  const QRect screen = units()->ListBox3->screen()->availableGeometry();
  const QRect frame = form6.frameGeometry();
  const bool room = screen.right() - list.right() > frame.width() || list.left() - screen.left() > frame.width();
  if (room) {
    EXPECT_FALSE(frame.intersects(list));
  }
  EXPECT_TRUE(screen.contains(frame.topLeft()) && frame.right() <= screen.right());
  EXPECT_EQ(frame.top(), list.top());
  form6.Button1->click();
  QPlainTextEdit* editor = form1->templatePage->RichEdit4;
  EXPECT_TRUE(editor->textCursor().block().text().contains(u8("EINHEIT wzqt;")))
      << editor->textCursor().block().text().toStdString();

  // The history grid's columns are as wide as their headers.
  QTableWidget* grid = form1->statisticsPage->grid();
  for (int c = 0; c < grid->columnCount(); ++c) {
    const QString header = grid->horizontalHeaderItem(c) ? grid->horizontalHeaderItem(c)->text() : QString();
    EXPECT_GE(grid->columnWidth(c), grid->horizontalHeader()->fontMetrics().horizontalAdvance(header)) << c;
  }
}

TEST(EditorPlacement, BesideTheAnchorOnTheScreen) {
  const QRect screen(0, 0, 1000, 800);
  const struct {
    QRect anchor;
    QSize size;
    QPoint expected;
  } cases[] = {
      {{100, 100, 200, 300}, {300, 200}, {308, 100}},  // right of it
      {{600, 100, 200, 300}, {300, 200}, {292, 100}},  // no room right: left of it
      {{100, 100, 800, 300}, {300, 200}, {700, 100}},  // room on neither side: kept on the screen
      {{100, 700, 200, 90}, {300, 200}, {308, 600}},   // the top kept on the screen
  };
  for (const auto& c : cases) EXPECT_EQ(windowplacement::besidePosition(c.anchor, c.size, screen), c.expected) << c.anchor.x();
}

TEST_F(RegionWindowTest, CommandEditorWritesBackMarksAndColours) {
  choose(u8("Erschlagene"));
  form1->regionController->ListBox3DblClick();
  EXPECT_FALSE(form6.isVisible());  // foreign units stay out of the editor

  choose(u8("Falke"));
  form1->regionController->ListBox3DblClick();
  ASSERT_TRUE(form6.isVisible());
  EXPECT_EQ(form6.windowTitle(), u8("Befehlseditor"));
  EXPECT_EQ(form6.Edit1->text(), u8("Falke"));
  EXPECT_TRUE(form6.Memo1->toPlainText().startsWith(u8(" EINHEIT wzqt;")));
  EXPECT_EQ(units()->findChild<QLineEdit*>(u8("Edit21"))->text(), u8("wzqt"));

  form6.Memo1->setPlainText(form6.Memo1->toPlainText() + u8("\n    LERNE Tarnung"));
  form6.CheckBox1->click();
  EXPECT_TRUE(form6.CheckBox1->isChecked());
  form6.CheckBox2->click();
  EXPECT_FALSE(form6.CheckBox1->isChecked());
  form6.CheckBox1->click();
  form6.Button1->click();
  shot("editor", form1->templatePage);
  shot("editor-window", nullptr, &form6);
  EXPECT_TRUE(form1->templatePage->RichEdit4->toPlainText().contains(u8("Gasb2]\n    LERNE Tarnung\n")));
  EXPECT_EQ(form1->templatePage->Shape1->color(), QColor(Qt::red));
  EXPECT_EQ(units()->listLines().value(1), u8("      *       Falke (wzqt) , Halblinge"));
  ASSERT_EQ(coloured.size(), 1);
  EXPECT_EQ(coloured.first(), std::make_tuple(14, -27, QColor(0x00, 0xFF, 0x00)));

  form6.CheckBox1->click();  // unmarked again
  form6.Button1->click();
  EXPECT_EQ(std::get<2>(coloured.last()), QColor(0xFF, 0x00, 0xFF));
  EXPECT_EQ(form1->templatePage->RichEdit4->toPlainText().count(u8("LERNE Tarnung")), 1);
}

TEST_F(RegionWindowTest, AUnitWithoutTemplateLinesNeverWritesOverTheUnitBefore) {
  Table units(db, u8("einheiten"));
  ASSERT_TRUE(units.findKey({1, codec::Decode(u8("wzqt"))}));
  const qint64 party = units.intValue(u8("Partei Nr"));
  units.append();
  for (const auto& [field, value] : std::initializer_list<std::pair<const char*, QVariant>>{
           {"Spiel", 1}, {"Einheit Nr", 77}, {"Einheit Position", u8("14/-27")}, {"Einheit Name", u8("Neuling")},
           {"Partei Nr", party}, {"Personen", 1}, {"Info Datum", game.session.roundCode}})
    units.setValue(u8(field), value);
  units.post();
  form1->regionController->getSekKoo(14, -27);
  choose(u8("Falke"));
  form1->regionController->ListBox3DblClick();
  const QStringList before = game.orders.lines();
  choose(u8("Neuling"));
  form1->regionController->ListBox3DblClick();
  EXPECT_TRUE(form6.Memo1->toPlainText().isEmpty());
  EXPECT_EQ(form6.Edit1->text(), u8("Neuling"));
  if (!form6.CheckBox1->isChecked()) form6.CheckBox1->click();
  form6.Button1->click();
  EXPECT_EQ(game.orders.lines(), before);
  EXPECT_TRUE(before.contains(u8(" EINHEIT wzqt;\tFalke [9,0$,Gasb2]")));
  // The mark went to the unit shown, not to the one edited before.
  ASSERT_TRUE(units.findKey({1, 77}));
  EXPECT_EQ(units.text(u8("Flags")), u8("x"));
  ASSERT_TRUE(units.findKey({1, codec::Decode(u8("wzqt"))}));
  EXPECT_EQ(units.text(u8("Flags")), u8("B"));
}

// A line stands for its own unit, building or ship, whatever its name holds.
TEST_F(RegionWindowTest, NamesWithParenthesesAndBuildingLinesOpenNothingElse) {
  Table rows(db, u8("einheiten"));
  ASSERT_TRUE(rows.findKey({1, codec::Decode(u8("wzqt"))}));
  const qint64 own = rows.intValue(u8("Partei Nr"));
  const auto add = [&](int nr, const char* name, qint64 party) {
    rows.append();
    for (const auto& [field, value] : std::initializer_list<std::pair<const char*, QVariant>>{
             {"Spiel", 1}, {"Einheit Nr", nr}, {"Einheit Position", u8("14/-27")}, {"Einheit Name", u8(name)},
             {"Partei Nr", party}, {"Personen", 1}, {"Info Datum", game.session.roundCode}})
      rows.setValue(u8(field), value);
    rows.post();
  };
  add(77, "Späher (Nord)", own);
  add(78, "Wache (wzqt)", 4711);
  form1->regionController->getSekKoo(14, -27);
  const QString falkeParty = [&] {
    choose(u8("Falke"));
    return units()->Edit29->text();
  }();

  struct Case {
    const char* line;
    const char* name;   // the name the unit page shows
    bool foreign;
  };
  const Case cases[] = {{"Späher (Nord)", "Späher (Nord)", false}, {"Wache (wzqt)", "Wache (wzqt)", true}};
  for (const Case& c : cases) {
    choose(u8("Falke"));
    choose(u8(c.line));
    EXPECT_EQ(units()->DBEdit1->text(), u8(c.name));
    EXPECT_EQ(units()->Edit29->text() == falkeParty, !c.foreign) << c.line;
    form6.hide();
    form1->regionController->ListBox3DblClick();
    EXPECT_EQ(form6.isVisible(), !c.foreign) << c.line;
    if (!c.foreign) {
      EXPECT_EQ(form6.Edit1->text(), u8(c.name));
    }
  }

  // Marking Falke stars its own line only, not the foreign "Wache (wzqt)".
  choose(u8("Falke"));
  form1->regionController->ListBox3DblClick();
  if (!form6.CheckBox1->isChecked()) form6.CheckBox1->click();
  form6.Button1->click();
  const QStringList lines = units()->listLines();
  EXPECT_EQ(lines.filter(u8("*")).size(), 1) << lines.join(u8("|")).toStdString();

  // A double click on a building line opens nothing, not the unit shown before.
  choose(u8("Falke"));
  choose(u8("-Burg"));
  form6.hide();
  form6.Memo1->clear();
  form1->regionController->ListBox3DblClick();
  EXPECT_FALSE(form6.isVisible());
  EXPECT_TRUE(form6.Memo1->toPlainText().isEmpty());
}

TEST_F(RegionWindowTest, PossessionsWindowShowsTheCurrentRoundAndAsksForOthers) {
  form1->ToolBar1->ToolButton6->click();
  ASSERT_TRUE(form9.isVisible());
  EXPECT_EQ(game.session.roundCode, 4101);
  EXPECT_EQ(form9.Edit1->text(), u8("4012"));  // the round before, across the year change
  ASSERT_GT(form9.TreeView1->topLevelItemCount(), 1);
  QStringList roots;
  for (int i = 0; i < form9.TreeView1->topLevelItemCount(); ++i) roots << form9.TreeView1->topLevelItem(i)->text(0);
  QStringList sorted = roots;
  std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  EXPECT_EQ(roots, sorted);
  form9.Button1->click();
  ASSERT_EQ(said.infos.size(), 1);
  EXPECT_TRUE(said.infos.first().startsWith(u8("Die Datei ")));
  EXPECT_TRUE(said.infos.first().endsWith(u8(" existiert nicht!")));
  EXPECT_EQ(form9.TreeView2->topLevelItemCount(), 0);
}

}  // namespace
