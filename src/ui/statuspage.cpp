#include "ui/statuspage.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "report/reportpages.h"
#include "ui/formhelpers.h"

using namespace formhelpers;

namespace {

constexpr int kProductionLines = 11;
constexpr int kProductionColumns = 3;

QString longestDate() { return QStringLiteral("Mond der milden Winde, Woche3 im Jahre 10000"); }

// Width of a line edit that shows `text` whole (frame and margins included).
int fieldWidthFor(QLineEdit* edit, const QString& text) {
  return edit->fontMetrics().horizontalAdvance(text) + 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
         edit->textMargins().left() + edit->textMargins().right() + 12;
}

QHBoxLayout* row(std::initializer_list<QWidget*> columns) {
  auto* layout = new QHBoxLayout;
  layout->setSpacing(4);
  for (QWidget* w : columns) layout->addWidget(w);
  layout->addStretch(1);
  return layout;
}
}  // namespace

StatusPage::StatusPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheetStatus"));
  Edit2 = lineEdit("Edit2", true);
  Edit3 = lineEdit("Edit3", true);
  Edit4 = lineEdit("Edit4", true);
  Edit5 = lineEdit("Edit5", true);
  Edit6 = lineEdit("Edit6", true);
  Edit7 = lineEdit("Edit7", true);
  Edit8 = lineEdit("Edit8", true);
  Edit13 = lineEdit("Edit13", true);
  Edit22 = lineEdit("Edit22", true);
  Edit23 = lineEdit("Edit23", true);
  Edit28 = lineEdit("Edit28", true);
  // Counters are narrow (they hold at most ten digits); the page then
  // needs two rows of fields and fits a window of 1066 × 760.
  for (QLineEdit* e : {Edit2, Edit3, Edit4, Edit7, Edit8, Edit13, Edit22, Edit23, Edit28})
    e->setFixedWidth(qMax(90, fieldWidthFor(e, QStringLiteral("2147483647"))));
  Edit5->setFixedWidth(220);
  // The longest date of the game's calendar is shown whole.
  Edit6->setFixedWidth(qMax(260, fieldWidthFor(Edit6, longestDate())));

  ListBox13 = named(new QListWidget, "ListBox13");
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  ListBox13->setFont(fixed);
  // The eleven production lines in columns, all at once, without scrolling.
  ListBox13->setFlow(QListView::TopToBottom);
  ListBox13->setWrapping(true);
  ListBox13->setResizeMode(QListView::Adjust);
  ListBox13->setUniformItemSizes(true);
  ListBox13->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox13->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int columnWidth = ListBox13->fontMetrics().horizontalAdvance(QStringLiteral("Elfenbögen : 99999999")) + 8;
  ListBox13->setGridSize(QSize(columnWidth, ListBox13->fontMetrics().height() + 2));
  const int rows = (kProductionLines + kProductionColumns - 1) / kProductionColumns;
  ListBox13->setFixedHeight(rows * ListBox13->gridSize().height() + 2 * ListBox13->frameWidth() + 4);
  ListBox13->setFixedWidth(kProductionColumns * columnWidth + 2 * ListBox13->frameWidth() + 4);
  ListBox4 = named(new QListWidget, "ListBox4");
  ListBox4->setMinimumWidth(160);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  layout->addLayout(row({captioned(QStringLiteral("Punkte :"), Edit3), captioned(QStringLiteral("Punkte mittel:"), Edit4),
                         captioned(QStringLiteral("Partei Name"), Edit5), captioned(QStringLiteral("Datum"), Edit6)}));
  layout->addLayout(row({captioned(QStringLiteral("Einheiten"), Edit7), captioned(QStringLiteral("Personen"), Edit8),
                         captioned(QStringLiteral("Silber"), Edit13), captioned(QStringLiteral("Gesamteinkommen :"), Edit2),
                         captioned(QStringLiteral("Immigranten"), Edit22),
                         captioned(QStringLiteral("max. Immigranten"), Edit23),
                         captioned(QStringLiteral("Ork Vermehrung"), Edit28)}));
  auto* lists = new QHBoxLayout;
  lists->addWidget(captioned(QStringLiteral("Gesamtproduktion"), ListBox13), 0, Qt::AlignTop);
  lists->addWidget(captioned(QStringLiteral("Bündnisse"), ListBox4), 1, Qt::AlignTop);
  layout->addLayout(lists);
  layout->addStretch(1);
}

void StatusPage::showFields(const StatusFields& f) {
  Edit2->setText(f.gesamteinkommen);
  Edit3->setText(f.punkte);
  Edit4->setText(f.punkteMittel);
  Edit5->setText(f.parteiName);
  Edit6->setText(f.datum);
  Edit7->setText(f.einheiten);
  Edit8->setText(f.personen);
  Edit13->setText(f.silber);
  Edit22->setText(f.immigranten);
  Edit23->setText(f.maxImmigranten);
  Edit28->setText(f.orkVermehrung);
  ListBox13->clear();
  ListBox13->addItems(f.gesamtproduktion);
}

void StatusPage::showAlliances(const QStringList& lines) {
  ListBox4->clear();
  ListBox4->addItems(lines);
}

void StatusPage::adaptToQuarnel() {
  for (QLineEdit* e : {Edit3, Edit4, Edit22, Edit23, Edit28}) setCaptionedVisible(e, false);
  // With the points gone, name and date are the first columns of their row.
  Edit5->setFixedWidth(305);
  Edit6->setFixedWidth(393);
}
