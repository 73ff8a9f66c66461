#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "orders/ordertemplate.h"
#include "ui/savedindicator.h"
#include "ui/templatepage.h"

namespace {

struct TemplatePageTest : ::testing::Test {
  void SetUp() override {
    page.setModel(&model);
    model.setText(QStringLiteral("abc abc"));
    page.showModel();
  }
  QPair<int, int> selection() const {
    const QTextCursor c = page.RichEdit4->textCursor();
    return {c.selectionStart(), c.selectionEnd()};
  }
  OrderTemplate model;
  TemplatePage page;
};

TEST_F(TemplatePageTest, SearchStepsThroughTheOccurrencesWithoutWrapping) {
  page.Edit24->setText(QStringLiteral("abc"));
  EXPECT_TRUE(page.Button3Click());
  EXPECT_EQ(selection(), qMakePair(0, 3));
  EXPECT_TRUE(page.Button3Click());
  EXPECT_EQ(selection(), qMakePair(4, 7));
  EXPECT_FALSE(page.Button3Click());
  EXPECT_EQ(selection(), qMakePair(4, 7));

  // Without a selection the search starts at the top again.
  QTextCursor c = page.RichEdit4->textCursor();
  c.clearSelection();
  page.RichEdit4->setTextCursor(c);
  EXPECT_TRUE(page.Button3Click());
  EXPECT_EQ(selection(), qMakePair(0, 3));

  page.Edit24->setText(QStringLiteral("ABC"));
  c.clearSelection();
  page.RichEdit4->setTextCursor(c);
  EXPECT_FALSE(page.Button3Click());
}

TEST_F(TemplatePageTest, EnterInTheSearchFieldSearches) {
  page.Edit24->setText(QStringLiteral("c a"));
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(page.Edit24, &release);
  EXPECT_EQ(selection(), qMakePair(2, 5));
  QKeyEvent other(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
  QTextCursor c = page.RichEdit4->textCursor();
  c.clearSelection();
  page.RichEdit4->setTextCursor(c);
  QApplication::sendEvent(page.Edit24, &other);
  EXPECT_FALSE(page.RichEdit4->textCursor().hasSelection());
}

TEST_F(TemplatePageTest, ChangesMarkTheTemplateUnsavedAndSavingClearsIt) {
  EXPECT_FALSE(model.unsaved());
  EXPECT_EQ(page.Shape1->color(), QColor(0, 128, 0));
  page.RichEdit4->appendPlainText(QStringLiteral("ARBEITE"));
  EXPECT_TRUE(model.unsaved());
  EXPECT_EQ(page.Shape1->color(), QColor(255, 0, 0));
  EXPECT_EQ(model.lines(), QStringList({QStringLiteral("abc abc")}));  // the editor holds the change
  page.commitToModel();
  EXPECT_EQ(model.lines(), QStringList({QStringLiteral("abc abc"), QStringLiteral("ARBEITE")}));
  page.markSaved();
  EXPECT_FALSE(model.unsaved());
  EXPECT_EQ(page.Shape1->color(), QColor(0, 128, 0));

  // Showing a new template is no change of the player's.
  model.setText(QStringLiteral("neu"));
  page.showModel();
  EXPECT_FALSE(model.unsaved());
  EXPECT_EQ(page.RichEdit4->toPlainText(), QStringLiteral("neu"));
}

TEST(SavedIndicatorTest, RedUntilTheFirstSaveOrLoad) {
  SavedIndicator shape;
  EXPECT_EQ(shape.color(), QColor(255, 0, 0));
  EXPECT_EQ(shape.size(), QSize(13, 13));
  EXPECT_EQ(shape.toolTip(), QStringLiteral("Zeigt an ob der Zug gespeichert wurde"));
}

}  // namespace
