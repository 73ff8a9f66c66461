#include "ui/grouppage.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "turn/opengame.h"
#include "db/dberror.h"
#include "military/groupings.h"
#include "ui/formhelpers.h"
#include "ui/reportgridview.h"
#include "ui/waitcursor.h"

using namespace formhelpers;

GroupPage::GroupPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheetGroups"));
  ComboBox1 = named(new QComboBox, "ComboBox1");
  ComboBox1->addItems(groupings::groupChoices());
  DBLookupComboBox1 = named(new QComboBox, "DBLookupComboBox1");
  DBEdit4 = lineEdit("DBEdit4", true);
  Edit18 = lineEdit("Edit18");
  Edit17 = lineEdit("Edit17");
  ComboBox3 = named(new QComboBox, "ComboBox3");
  ComboBox3->addItems(groupings::comparisons());
  Edit19 = lineEdit("Edit19");
  Edit20 = lineEdit("Edit20");
  Edit20->setText(QStringLiteral("0"));
  Edit20->setEnabled(false);
  Button2 = named(new QPushButton(QStringLiteral("Bericht")), "Button2");
  StringGrid4 = grid("StringGrid4", 12);
  StringGrid4->setToolTip(QStringLiteral("Rechtsclick um Gruppe zu ändern"));
  StringGrid4->setHorizontalHeaderLabels(groupings::header());
  StringGrid4->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid4->viewport()->installEventFilter(this);
  PopupMenu1 = named(new QMenu(this), "PopupMenu1");
  for (const groupings::MenuItem& item : groupings::menuItems()) {
    QAction* action = PopupMenu1->addAction(item.caption);
    action->setObjectName(QString::fromLatin1(item.objectName));
    // "Steuereintreiber" is offered but changes nothing.
    if (!item.stored.isEmpty())
      connect(action, &QAction::triggered, this, [this, stored = item.stored] { chooseGroup(stored); });
  }
  Label8 = named(new QLabel(QStringLiteral("Rechtsclick auf das Tabellenfeld Gruppe um die Gruppenzugehörigkeit zu ändern.")),
                 "Label8");
  QFont italic = Label8->font();
  italic.setItalic(true);
  Label8->setFont(italic);

  auto* filters = new QGridLayout;
  filters->addWidget(captioned(QStringLiteral("Gruppe"), ComboBox1), 0, 0);
  filters->addWidget(captioned(QStringLiteral("Partei Name"), DBLookupComboBox1), 0, 1);
  filters->addWidget(DBEdit4, 0, 2, Qt::AlignBottom);
  filters->addWidget(captioned(QStringLiteral("Einheit Nr"), Edit18), 0, 3);
  filters->addWidget(captioned(QStringLiteral("Einheit Name"), Edit17), 0, 4);
  filters->addWidget(captioned(QStringLiteral("Info Datum"), ComboBox3), 0, 5);
  filters->addWidget(Edit19, 0, 6, Qt::AlignBottom);
  filters->addWidget(Edit20, 0, 7, Qt::AlignBottom);
  filters->addWidget(Button2, 0, 8, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(filters);
  layout->addWidget(StringGrid4, 1);
  layout->addWidget(Label8);

  reportgridview::connectParties(DBLookupComboBox1, DBEdit4);
  connect(Button2, &QPushButton::clicked, this, &GroupPage::Button2Click);
}

void GroupPage::refreshParties() {
  if (game_) reportgridview::fillParties(DBLookupComboBox1, DBEdit4, *game_);
}

void GroupPage::Gruppierungen() {
  if (!game_ || !game_->db) return;
  WaitCursor wait;
  groupings::Filter f;
  f.group = ComboBox1->currentText();
  f.partyNumber = DBEdit4->text();
  f.unitNumber = Edit18->text();
  f.unitName = Edit17->text();
  f.comparison = ComboBox3->currentText();
  f.round = Edit19->text();
  groupings::Result r;
  try {
    r = groupings::Gruppierungen(*game_->db, game_->session, f);
  } catch (const DbError& e) {
    r.error = e.message();
  }
  Edit20->setText(QString::number(r.rows.size()));
  reportgridview::show(StringGrid4, groupings::header(), r.rows, 0);
  if (!r.ok()) fail(r.error);
}

void GroupPage::StringGrid4MouseDown(Qt::MouseButton button, const QPoint& pos) {
  if (button != Qt::RightButton) return;
  const QModelIndex cell = StringGrid4->indexAt(pos);
  if (!cell.isValid() || cell.column() != groupings::kGroupColumn) return;
  StringGrid4->selectRow(cell.row());
  PopupMenu1->popup(StringGrid4->viewport()->mapToGlobal(pos));
}

void GroupPage::chooseGroup(const QString& group) {
  const int row = StringGrid4->currentRow();
  if (row < 0 || !StringGrid4->item(row, groupings::kGroupColumn)) return;
  StringGrid4->item(row, groupings::kGroupColumn)->setText(group);
  groupchange();
}

void GroupPage::groupchange() {
  const int row = StringGrid4->currentRow();
  if (!game_ || !game_->db || row < 0) return;
  auto text = [&](int column) {
    const QTableWidgetItem* item = StringGrid4->item(row, column);
    return item ? item->text() : QString();
  };
  try {
    // A unit that is no longer there is left alone without a message.
    groupings::groupchange(*game_->db, game_->session, text(groupings::kPositionColumn),
                           text(groupings::kNumberColumn), text(groupings::kGroupColumn));
  } catch (const DbError& e) {
    fail(e.message());
  }
}

bool GroupPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == StringGrid4->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press->button() == Qt::RightButton) {
      StringGrid4MouseDown(press->button(), press->position().toPoint());
      return true;  // a right click elsewhere neither selects nor opens the menu
    }
  }
  return QWidget::eventFilter(watched, event);
}

void GroupPage::fail(const QString& message) {
  if (reportError_) reportError_(message);
}
