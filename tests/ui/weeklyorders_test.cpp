// The week's orders in the window: the command editor never drops orders
// typed in "Zugvorlage", kept templates can be reopened, a template without
// a password is named before it is saved, and the orders are sent.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QToolButton>

#include "game/textutil.h"
#include "orders/serveraccess.h"
#include "orders/templatefile.h"
#include "orders/templatepassword.h"
#include "programfolderfixture.h"
#include "support/testsupport.h"
#include "turn/reportimporter.h"
#include "ui/maintoolbar.h"
#include "ui/orderscontroller.h"
#include "ui/regioncontroller.h"
#include "ui/savedindicator.h"
#include "ui/templatepage.h"
#include "ui/tform6.h"
#include "ui/unitpage.h"
#include "views/commandeditor.h"

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

struct WeeklyOrdersTest : ::testing::Test, uitest::ProgramFolderFixture {
  TForm6 form6;

  void SetUp() override {
    setDialogs(&form6, nullptr);
    ASSERT_TRUE(openSlot1());
    read(testsupport::testData(u8("481-beispiel.cr")));
  }
  void read(const QString& path) {
    const QStringList errors = readReport(path);
    ASSERT_TRUE(errors.isEmpty()) << errors.join(u8("\n")).toStdString();
  }
  QString templateText() const { return form1->templatePage->RichEdit4->toPlainText(); }
  QString turnFile() const { return templatefile::filePath(game.session, game.status.datum); }
  // Opens the command editor on the unit "Falke" (wzqt) of region 14/-27.
  void openFalke() {
    form1->regionController->getSekKoo(14, -27);
    QListWidget* list = form1->unitPage->ListBox3;
    for (int i = 0; i < list->count(); ++i)
      if (list->item(i)->text().trimmed().startsWith(u8("Falke"))) list->setCurrentRow(i);
    form1->regionController->ListBox3Click();
    form1->regionController->ListBox3DblClick();
    ASSERT_TRUE(form6.isVisible());
  }
  // Types a line into "Zugvorlage" right after the unit's header.
  void typeInTemplate(const QString& header, const QString& line) {
    QString text = templateText();
    const qsizetype at = text.indexOf(header);
    ASSERT_GE(at, 0);
    text.insert(text.indexOf(u'\n', at) + 1, line + u8("\n"));
    form1->templatePage->RichEdit4->setPlainText(text);
  }
};

TEST_F(WeeklyOrdersTest, TheEditorAsksBeforeOrdersTypedInTheTemplateAreOverwritten) {
  struct Case {
    int answer;
    bool typedStays, editorStays;
  };
  const Case cases[] = {
      {commandeditor::TakeTemplate, true, false},
      {commandeditor::Overwrite, false, true},
      {commandeditor::Cancel, true, false},
  };
  const QString typed = u8("    BENENNE EINHEIT \"Sperber\"");
  const QString edited = u8("    LERNE Tarnung");
  for (const Case& c : cases) {
    openFalke();
    form6.Memo1->setPlainText(form6.Memo1->toPlainText() + u8("\n") + edited);
    typeInTemplate(u8("EINHEIT wzqt;"), typed);
    said.choices.clear();
    said.choice = c.answer;
    form6.Button1->click();
    ASSERT_EQ(said.choices.size(), 1) << c.answer;
    EXPECT_EQ(said.choices.first(), commandeditor::conflictQuestion(u8("wzqt")));
    EXPECT_EQ(templateText().contains(typed), c.typedStays) << c.answer;
    EXPECT_EQ(templateText().contains(edited), c.editorStays) << c.answer;
    if (c.answer == commandeditor::TakeTemplate) {
      // The editor now holds the template's lines; writing them back asks nothing.
      EXPECT_TRUE(form6.Memo1->toPlainText().contains(typed));
      EXPECT_FALSE(form6.Memo1->toPlainText().contains(edited));
      said.choices.clear();
      form6.Button1->click();
      EXPECT_TRUE(said.choices.isEmpty());
      EXPECT_EQ(templateText().count(typed), 1);
    }
    // Back to the report's orders for the next case.
    read(testsupport::testData(u8("481-beispiel.cr")));
  }
}

TEST_F(WeeklyOrdersTest, AKeptTemplateOpensAsUnsavedChanges) {
  // Week 1's orders saved, then week 2 read over them: they were kept.
  form1->templatePage->RichEdit4->appendPlainText(u8("; Befehle der ersten Woche"));
  ASSERT_TRUE(form1->templatePage->Speichern1Click());
  const QStringList week1 = *textutil::readLines(turnFile());
  read(testsupport::nextWeekReport(dir.path()));
  const QString keptPath = templatefile::keptName(turnFile(), 4101);
  ASSERT_EQ(textutil::readLines(keptPath), std::optional<QStringList>(week1));

  QStringList offered;
  form1->ordersController->setFileChoice([&](const QStringList& labels) {
    offered = labels;
    for (int i = 0; i < labels.size(); ++i)
      if (labels.at(i).contains(u8("Runde 4101"))) return i;
    return -1;
  });
  ASSERT_TRUE(form1->ordersController->ZugvorlageOeffnen1Click());
  EXPECT_EQ(offered.size(), 2);
  EXPECT_TRUE(templateText().contains(u8("; Befehle der ersten Woche")));
  EXPECT_TRUE(game.orders.unsaved());
  EXPECT_EQ(form1->templatePage->Shape1->color(), QColor(Qt::red));

  // Unsaved changes are asked about before another file replaces them.
  said.choices.clear();
  said.choice = 2;  // "Abbrechen"
  EXPECT_FALSE(form1->ordersController->ZugvorlageOeffnen1Click());
  EXPECT_EQ(said.choices, QStringList({u8("Die Zugvorlage wurde noch nicht gespeichert. Vor dem Öffnen speichern?")}));
  EXPECT_TRUE(templateText().contains(u8("; Befehle der ersten Woche")));
}

TEST_F(WeeklyOrdersTest, AMissingPasswordIsNamedAndTheOptionsFillIt) {
  ASSERT_FALSE(templatepassword::hasPassword(game.orders.lines()));
  // "Ja" opens the options and saves nothing yet.
  QFile::remove(turnFile());
  said.warnings.clear();
  form1->menu.Speichern1->trigger();
  EXPECT_EQ(said.warnings, QStringList({templatepassword::missingPasswordQuestion()}));
  EXPECT_TRUE(form2.isVisible());
  EXPECT_FALSE(QFile::exists(turnFile()));

  form2.findChild<QLineEdit*>(u8("Edit5"))->setText(u8("geheim"));
  EXPECT_EQ(form2.findChild<QLineEdit*>(u8("Edit5"))->echoMode(), QLineEdit::Password);
  form2.Button1->click();
  EXPECT_FALSE(form2.isVisible());
  EXPECT_EQ(game.orders.lines().value(0), u8(" PARTEI bsp \"geheim\""));
  EXPECT_TRUE(game.orders.unsaved());
  EXPECT_EQ(serveraccess::load(game.session).password, u8("geheim"));

  // With its password the template saves without a word.
  said.warnings.clear();
  form1->menu.Speichern1->trigger();
  EXPECT_TRUE(said.warnings.isEmpty());
  EXPECT_EQ(textutil::readLines(turnFile()).value_or(QStringList()).value(0), u8(" PARTEI bsp \"geheim\""));

  // Next week's report names no password: the template keeps the slot's.
  read(testsupport::nextWeekReport(dir.path()));
  EXPECT_EQ(game.orders.lines().value(0), u8(" PARTEI bsp \"geheim\""));
}

TEST_F(WeeklyOrdersTest, SendingStartsTheMailProgramOrCopiesTheOrders) {
  form1->templatePage->RichEdit4->setPlainText(templateText().replace(u8("\"\""), u8("\"geheim\"")));
  const QString record = dir.filePath(u8("args.txt"));
  const QString program = dir.filePath(u8("xdg-email"));
  testsupport::writeFile(program,
                         QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1'\n").arg(record).toUtf8());
  QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  form1->ordersController->setMailProgramFinder([program] { return program; });
  QString clipboard;
  form1->ordersController->setClipboard([&](const QString& text) { clipboard = text; });

  form1->ToolBar1->ToolButton7->click();
  EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join(u8("\n")).toStdString();
  EXPECT_FALSE(game.orders.unsaved());  // saved before it went out
  for (int i = 0; i < 100 && !QFile::exists(record); ++i) QThread::msleep(50);
  EXPECT_EQ(textutil::readLines(record).value_or(QStringList()),
            QStringList({u8("--subject"), u8("MOLVANTH BEFEHLE"), u8("--attach"), turnFile(),
                         u8("molvanth-server@molvanth.example.org")}));
  EXPECT_TRUE(clipboard.isEmpty());

  // Without a mail program the orders go to the clipboard.
  form1->ordersController->setMailProgramFinder([] { return QString(); });
  form1->menu.BefehleVersenden1->trigger();
  ASSERT_EQ(said.errors.size(), 1);
  EXPECT_TRUE(said.errors.first().contains(u8("Zwischenablage")));
  EXPECT_EQ(clipboard, game.orders.text());
}

}  // namespace
