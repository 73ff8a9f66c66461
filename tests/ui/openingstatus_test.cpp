#include <gtest/gtest.h>

#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "db/table.h"
#include "stats/pointsstatistics.h"
#include "ui/gridpage.h"
#include "ui/reportpagespanel.h"
#include "ui/savedindicator.h"
#include "ui/statuspage.h"
#include "ui/templatepage.h"
#include "programfolderfixture.h"

namespace {

const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);

struct OpeningStatusTest : ::testing::Test, uitest::ProgramFolderFixture {
  QStringList visiblePages() const {
    QStringList out;
    for (int i = 0; i < form1->PageControl1->count(); ++i)
      if (form1->PageControl1->isTabVisible(i)) out << form1->PageControl1->tabText(i);
    return out;
  }
  QTableWidget* pointsTable() const { return form1->pointsStatisticsPage->grid(); }
  QStringList headerRow() const {
    QStringList out;
    for (int c = 0; c < pointsTable()->columnCount(); ++c) {
      const QTableWidgetItem* h = pointsTable()->horizontalHeaderItem(c);
      out << (h ? h->text() : QString());
    }
    return out;
  }
  QStringList column(int c) const {
    QStringList out;
    for (int r = 0; r < pointsTable()->rowCount(); ++r) {
      const QTableWidgetItem* item = pointsTable()->item(r, c);
      out << (item ? item->text() : QString());
    }
    return out;
  }
  void partyRow(int party, double laenge, int round, int points, int average, int silver, int persons) {
    Table t(db, QStringLiteral("statistik"));
    t.append();
    t.setValue(QStringLiteral("Spiel"), 1);
    t.setValue(QStringLiteral("Breite"), party);
    t.setValue(QStringLiteral("Länge"), laenge);
    t.setValue(QStringLiteral("Ebene"), 0);
    t.setValue(QStringLiteral("Datum"), round);
    t.setValue(QStringLiteral("PunkteNeu"), points);
    t.setValue(QStringLiteral("PunkteSchnitt"), average);
    t.setValue(QStringLiteral("PunkteDiv"), points - average);
    t.setValue(QStringLiteral("ParteiSilber"), silver);
    t.setValue(QStringLiteral("Personen"), persons);
    t.post();
  }
};

TEST_F(OpeningStatusTest, TheLastReportComesBackWithItsPagesFieldsAndTemplate) {
  writeStatus(QStringLiteral("kaempfe"), {QStringLiteral("Kampf in Drachenfels"), QStringLiteral("Kampf am Fluss")});
  writeStatus(QStringLiteral("einkommen"),
              {QStringLiteral("Einheit Ab (x1) verdient 25 Silber durch Unterhaltung."), QStringLiteral("zzzz25 Silber")});
  writeStatus(QStringLiteral("meldungen"), {QStringLiteral("Botschaft von Partei 12:"), QStringLiteral("Frieden?")});
  writeStatus(QStringLiteral("buendnisse"), {QStringLiteral("Partei 12 hilft: KAEMPFE")});
  // A text page of one empty line has nothing to show.
  writeStatus(QStringLiteral("ghdbericht"), {QString()});
  setStatusFields(statusFields(QStringLiteral("Juni im Jahre 38")));
  const QStringList orders = {QStringLiteral("ERESSEA 757 \"geheim\""), QString(), QStringLiteral("EINHEIT ab"),
                              QStringLiteral("  ARBEITE"), QString(), QStringLiteral(" NAECHSTER")};
  writeProgramFile(QStringLiteral("Zug-Spiel1-38-Juni.txt"), orders);

  TemplatePage* page = form1->templatePage;
  EXPECT_EQ(page->Shape1->color(), kRed);  // until the first save or load
  ASSERT_TRUE(openSlot1());
  EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(form1->gameOpen());

  EXPECT_EQ(visiblePages(), QStringList({QStringLiteral("Status"), QStringLiteral("Kämpfe"),
                                         QStringLiteral("Einkommen"), QStringLiteral("Botschaften")}));
  ReportPagesPanel* upper = form1->PageControl1;
  ASSERT_EQ(upper->ListBox1->count(), 2);
  EXPECT_EQ(upper->ListBox1->item(1)->text(), QStringLiteral("Kampf am Fluss"));
  EXPECT_EQ(upper->Memo4->toPlainText(), QStringLiteral("Botschaft von Partei 12:\nFrieden?"));

  StatusPage* status = form1->statusPage();
  EXPECT_EQ(status->Edit3->text(), QStringLiteral("120"));
  EXPECT_EQ(status->Edit5->text(), QStringLiteral("Die Wölfe"));
  EXPECT_EQ(status->Edit6->text(), QStringLiteral("Juni im Jahre 38"));
  EXPECT_EQ(status->Edit8->text(), QStringLiteral("42"));
  EXPECT_EQ(status->Edit13->text(), QStringLiteral("1000"));
  EXPECT_EQ(status->Edit23->text(), QStringLiteral("7"));
  // The income summary ran over the loaded list: slot 1 takes the saved total.
  EXPECT_EQ(status->Edit2->text(), QStringLiteral("25 Silber"));
  EXPECT_EQ(upper->ListBox6->count(), 1);  // the total line is kept in the file, not shown
  ASSERT_EQ(status->ListBox4->count(), 1);
  EXPECT_EQ(status->ListBox13->count(), 11);  // the production summary ran too

  EXPECT_EQ(page->RichEdit4->toPlainText(), orders.join(QLatin1Char('\n')));
  EXPECT_EQ(game.orders.lines(), orders);
  EXPECT_FALSE(game.orders.unsaved());
  EXPECT_EQ(page->Shape1->color(), kGreen);
}

TEST_F(OpeningStatusTest, AnEmptyDateLoadsNoTemplate) {
  setStatusFields(statusFields(QString()));
  // The name an empty date would give: it must not be read.
  writeProgramFile(QStringLiteral("Zug-Spiel1--.txt"), {QStringLiteral("EINHEIT alt")});
  writeStatus(QStringLiteral("warnungen"), {QStringLiteral("Einheit ab hungert.")});
  ASSERT_TRUE(openSlot1());
  EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(form1->templatePage->RichEdit4->toPlainText().isEmpty());
  EXPECT_TRUE(game.orders.lines().isEmpty());
  EXPECT_EQ(form1->templatePage->Shape1->color(), kGreen);
  EXPECT_EQ(visiblePages(), QStringList({QStringLiteral("Status"), QStringLiteral("Warnungen")}));
}

TEST_F(OpeningStatusTest, SummaryErrorsAreToldAndTheOpeningGoesOn) {
  // No saved total, an income line that names no amount (passed by, not
  // told at every opening) and a production line whose amount is no number.
  writeStatus(QStringLiteral("einkommen"), {QStringLiteral("Einheit Ab (x1) verdient kein Silber.")});
  writeStatus(QStringLiteral("produktion"), {QStringLiteral("Einheit Ab (x1) produziert reichlich Holz.")});
  setStatusFields(statusFields(QStringLiteral("Juni im Jahre 38")));
  writeProgramFile(QStringLiteral("Zug-Spiel1-38-Juni.txt"), {QStringLiteral("EINHEIT ab")});
  ASSERT_TRUE(openSlot1());
  ASSERT_EQ(said.errors.size(), 1);
  EXPECT_TRUE(said.errors.at(0).startsWith(QStringLiteral("Fehler bei Produktionssummierung in Zeile: ")))
      << said.errors.at(0).toStdString();
  EXPECT_TRUE(form1->gameOpen());
  EXPECT_EQ(form1->templatePage->RichEdit4->toPlainText(), QStringLiteral("EINHEIT ab"));
  EXPECT_EQ(form1->statusPage()->Edit6->text(), QStringLiteral("Juni im Jahre 38"));
}

TEST_F(OpeningStatusTest, AnUnreadableStatusFileEndsTheOpening) {
  // A directory where the file should be cannot be read as one.
  QFile::remove(statusFile(QStringLiteral("handel")));
  ASSERT_TRUE(QDir().mkpath(statusFile(QStringLiteral("handel"))));
  setStatusFields(statusFields(QStringLiteral("Juni im Jahre 38")));
  writeProgramFile(QStringLiteral("Zug-Spiel1-38-Juni.txt"), {QStringLiteral("EINHEIT ab")});
  EXPECT_FALSE(openSlot1());
  EXPECT_FALSE(form1->gameOpen());
  ASSERT_EQ(said.errors.size(), 1);
  EXPECT_TRUE(said.errors.at(0).contains(statusFile(QStringLiteral("handel")))) << said.errors.at(0).toStdString();
  // Nothing of the status was taken over; the template stays empty.
  EXPECT_TRUE(form1->statusPage()->Edit6->text().isEmpty());
  EXPECT_TRUE(form1->templatePage->RichEdit4->toPlainText().isEmpty());
  // With no game open the template is not saved.
  form1->templatePage->RichEdit4->setPlainText(QStringLiteral("EINHEIT neu"));
  EXPECT_FALSE(form1->templatePage->Speichern1Click());
  EXPECT_EQ(templateFiles(), QStringList({QStringLiteral("Zug-Spiel1-38-Juni.txt")}));
}

TEST_F(OpeningStatusTest, ThePointsGridShowsTheOwnPartyRoundByRound) {
  // Before the first run: the designed grid with an empty header and one empty row.
  EXPECT_EQ(pointsTable()->rowCount(), 1);
  EXPECT_EQ(pointsTable()->columnCount(), 8);
  for (int c = 0; c < 8; ++c) EXPECT_EQ(pointsTable()->columnWidth(c), PointsGrid::kColumnWidths.at(c)) << c;
  EXPECT_EQ(pointsTable()->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(pointsTable()->editTriggers(), QAbstractItemView::NoEditTriggers);

  partyRow(757, 5000, 3806, 140, 120, 900, 40);
  partyRow(757, 5000, 3804, 120, 100, 700, 30);
  partyRow(757, 5000, 3805, 150, 110, 800, 35);
  partyRow(758, 5000, 3805, 999, 110, 1, 1);  // another party
  partyRow(757, 12, 3805, 555, 0, 2, 2);      // a region row
  ASSERT_TRUE(openSlot1());
  EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join(QLatin1Char('\n')).toStdString();

  EXPECT_EQ(headerRow(), PointsGrid::headers());
  ASSERT_EQ(pointsTable()->rowCount(), 3);
  EXPECT_EQ(column(0), QStringList({QStringLiteral("3804"), QStringLiteral("3805"), QStringLiteral("3806")}));
  EXPECT_EQ(column(1), QStringList({QStringLiteral("120"), QStringLiteral("150"), QStringLiteral("140")}));
  EXPECT_EQ(column(3), QStringList({QStringLiteral("20"), QStringLiteral("40"), QStringLiteral("20")}));
  EXPECT_EQ(column(4), QStringList({QString(), QStringLiteral("30"), QStringLiteral("-10")}));
  EXPECT_EQ(column(5), QStringList({QString(), QStringLiteral("10"), QStringLiteral("10")}));
  EXPECT_EQ(column(6), QStringList({QStringLiteral("700"), QStringLiteral("800"), QStringLiteral("900")}));
  EXPECT_EQ(column(7), QStringList({QStringLiteral("30"), QStringLiteral("35"), QStringLiteral("40")}));
  // The cells are for reading only.
  const QTableWidgetItem* cell = pointsTable()->item(1, 4);
  ASSERT_NE(cell, nullptr);
  EXPECT_FALSE(cell->flags() & Qt::ItemIsEditable);
}

TEST_F(OpeningStatusTest, AReadReportShowsItsPointsAndASavedTemplate) {
  setStatusFields(statusFields(QStringLiteral("Juni im Jahre 38")));
  writeProgramFile(QStringLiteral("Zug-Spiel1-38-Juni.txt"), {QStringLiteral("EINHEIT ab")});
  ASSERT_TRUE(openSlot1());
  form1->templatePage->RichEdit4->appendPlainText(QStringLiteral("  LERNE Hiebwaffen"));
  EXPECT_EQ(form1->templatePage->Shape1->color(), kRed);

  form1->setReportChooser([] { return QStringLiteral("/spiele/cr-451.txt"); });
  QStringList seenOrders;
  form1->setImporter([&](OpenGame& g, const QString&, const ImportCallbacks&) {
    seenOrders = g.orders.lines();  // what the editor held is kept in the model
    g.orders.setLines({QStringLiteral("ERESSEA 757 \"geheim\""), QStringLiteral(" NAECHSTER")});
    g.orders.setUnsaved(false);
    g.points = PointsGrid();
    for (int c = 0; c < PointsGrid::kColumns; ++c) g.points.setCell(0, c, PointsGrid::headers().at(c));
    g.points.setCell(1, PointsGrid::Datum, QStringLiteral("3807"));
    g.points.setCell(1, PointsGrid::Eigene, QStringLiteral("160"));
    g.points.setCell(2, PointsGrid::Datum, QStringLiteral("3808"));
    ImportOutcome out;
    out.status = ImportOutcome::Status::Read;
    return out;
  });
  form1->Neu1Click();
  EXPECT_TRUE(said.errors.isEmpty()) << said.errors.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(seenOrders, QStringList({QStringLiteral("EINHEIT ab"), QStringLiteral("  LERNE Hiebwaffen")}));
  EXPECT_EQ(form1->templatePage->RichEdit4->toPlainText(), QStringLiteral("ERESSEA 757 \"geheim\"\n NAECHSTER"));
  EXPECT_EQ(form1->templatePage->Shape1->color(), kGreen);
  EXPECT_EQ(headerRow(), PointsGrid::headers());
  EXPECT_EQ(column(0), QStringList({QStringLiteral("3807"), QStringLiteral("3808")}));
  EXPECT_EQ(column(1), QStringList({QStringLiteral("160"), QString()}));
}

}  // namespace
