#include "ui/unitpage.h"

#include <QCheckBox>
#include <QDataWidgetMapper>
#include <QEvent>
#include <QGridLayout>
#include <QIntValidator>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextCursor>
#include <QVBoxLayout>

#include "ui/formhelpers.h"
#include "views/tablerowmodel.h"
#include "views/unitview.h"

using namespace formhelpers;

namespace {
QPlainTextEdit* memo(const char* name, bool readOnly) {
  auto* m = named(new QPlainTextEdit, name);
  m->setReadOnly(readOnly);
  m->setLineWrapMode(QPlainTextEdit::NoWrap);
  return m;
}

QWidget* sheet(const char* name, QWidget* content) {
  auto* page = named(new QWidget, name);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(content);
  return page;
}
}  // namespace

UnitPage::UnitPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheetUnits"));
  PanelUnits = named(new QLabel(QStringLiteral("Einheiten in Region :")), "Panel3");
  ListBox3 = named(new QListWidget, "ListBox3");
  ListBox3->setFont(QFont(QStringLiteral("Courier")));
  CheckBox1 = named(new QCheckBox(QStringLiteral("Alle")), "CheckBox1");
  CheckBox1->setToolTip(QStringLiteral("Alle Einheiten oder nur eigene anzeigen"));
  CheckBox1->setChecked(true);
  CheckBox2 = named(new QCheckBox(QStringLiteral("Nur aktuelle Info")), "CheckBox2");
  CheckBox2->setToolTip(QStringLiteral("Nur Informationen der letzten Runde anzeigen."));
  CheckBox2->setChecked(true);

  DBEdit2 = lineEdit("DBEdit2", true);  // the faction's name, looked up
  bindField(DBEdit2, QStringLiteral("Partei Name"));
  Edit29 = lineEdit("Edit29", true);
  Edit29->setFixedWidth(60);
  DBEdit23 = lineEdit("DBEdit23");
  bindField(DBEdit23, QStringLiteral("Personen"));
  DBEdit22 = lineEdit("DBEdit22");
  bindField(DBEdit22, QStringLiteral("Silber"));
  // Whole numbers only; other text could not be stored in the row.
  for (QLineEdit* e : {DBEdit23, DBEdit22}) e->setValidator(new QIntValidator(e));
  DBEdit21 = lineEdit("DBEdit21");
  bindField(DBEdit21, QStringLiteral("Status"));
  DBEdit31 = lineEdit("DBEdit31");
  bindField(DBEdit31, QStringLiteral("Hitpoints"));
  CheckBox3 = named(new QCheckBox(QStringLiteral("getarnt?")), "CheckBox3");
  CheckBox3->setEnabled(false);
  Memo2 = memo("Memo2", true);
  Memo3 = memo("Memo3", true);
  DBMemo1 = memo("DBMemo1", false);
  Memo9 = memo("Memo9", true);
  DBEdit1 = lineEdit("DBEdit1");
  bindField(DBEdit1, QStringLiteral("Einheit Name"));
  DBEdit1->hide();
  DBEdit5 = lineEdit("DBEdit5");
  bindField(DBEdit5, QStringLiteral("Einheit Nr"));
  DBEdit5->hide();
  Edit21 = lineEdit("Edit21");
  Edit21->hide();

  PageControl4 = named(new QTabWidget, "PageControl4");
  TabSheet23 = sheet("TabSheet23", DBMemo1);
  TabSheet24 = sheet("TabSheet24", Memo9);
  PageControl4->addTab(TabSheet23, QStringLiteral("Beschreibung"));
  PageControl4->addTab(TabSheet24, QStringLiteral("Meldungen"));

  auto* left = new QVBoxLayout;
  left->addWidget(PanelUnits);
  left->addWidget(ListBox3, 1);
  auto* filters = new QHBoxLayout;
  filters->addWidget(CheckBox1);
  filters->addWidget(CheckBox2);
  filters->addStretch(1);
  left->addLayout(filters);

  auto* party = new QWidget;
  auto* partyLayout = new QHBoxLayout(party);
  partyLayout->setContentsMargins(0, 0, 0, 0);
  partyLayout->addWidget(Edit29);
  partyLayout->addWidget(DBEdit2, 1);

  auto* details = new QGridLayout;
  details->addWidget(captioned(QStringLiteral("Parteizugehörigkeit"), party), 0, 0, 1, 2);
  details->addWidget(captioned(QStringLiteral("Anzahl Personen"), DBEdit23), 1, 0);
  details->addWidget(captioned(QStringLiteral("Silber"), DBEdit22), 1, 1);
  details->addWidget(captioned(QStringLiteral("militärischer Status"), DBEdit21), 2, 0);
  details->addWidget(captioned(QStringLiteral("Gesundheit"), DBEdit31), 2, 1);
  details->addWidget(CheckBox3, 3, 0);
  details->addWidget(captioned(QStringLiteral("Gegenstände"), Memo2), 4, 0);
  details->addWidget(captioned(QStringLiteral("Talente"), Memo3), 4, 1);
  details->addWidget(PageControl4, 5, 0, 1, 2);
  details->addWidget(DBEdit1, 6, 0);
  details->addWidget(DBEdit5, 6, 1);
  details->addWidget(Edit21, 6, 1);
  details->setRowStretch(4, 1);

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(details, 2);

  connect(ListBox3, &QListWidget::itemClicked, this, &UnitPage::ListBox3Click);
  connect(ListBox3, &QListWidget::itemDoubleClicked, this, &UnitPage::ListBox3DblClick);
  ListBox3->installEventFilter(this);
}

bool UnitPage::eventFilter(QObject* watched, QEvent* event) {
  // ListBox3KeyUp: every key release in the list does what a click does.
  if (watched == ListBox3 && event->type() == QEvent::KeyRelease) emit ListBox3Click();
  return QWidget::eventFilter(watched, event);
}

void UnitPage::hideEvent(QHideEvent* event) {
  submitEdits();
  QWidget::hideEvent(event);
}

void UnitPage::bindModel(TableRowModel* unit) {
  unitModel_ = unit;
  if (!unitMapper_) {
    unitMapper_ = new QDataWidgetMapper(this);
    unitMapper_->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    memoMapper_ = new QDataWidgetMapper(this);
    memoMapper_->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
  }
  unitMapper_->clearMapping();
  unitMapper_->setModel(unit);
  for (QLineEdit* e : {DBEdit23, DBEdit22, DBEdit21, DBEdit31, DBEdit1, DBEdit5})
    unitMapper_->addMapping(e, unit->column(boundField(e)));
}

void UnitPage::mapDescription(TableRowModel* model, const QString& field) {
  memoMapper_->clearMapping();
  memoMapper_->setModel(model);
  bindField(DBMemo1, field);
  memoMapper_->addMapping(DBMemo1, model->column(field), "plainText");
  if (model->hasRow()) memoMapper_->toFirst();
}

void UnitPage::submitEdits() {
  if (unitMapper_ && unitModel_ && unitModel_->hasRow()) unitMapper_->submit();
  if (memoMapper_ && memoMapper_->model() && static_cast<TableRowModel*>(memoMapper_->model())->hasRow())
    memoMapper_->submit();
}

void UnitPage::showUnit(const UnitView& view) {
  PageControl4->setTabVisible(PageControl4->indexOf(TabSheet23), false);
  unitMapper_->toFirst();
  mapDescription(unitModel_, QStringLiteral("Einheit Beschreibung"));
  DBEdit2->setText(view.partyName);
  Edit29->setText(view.partyNumberText);
  Memo9->setPlainText(view.messages.join(QLatin1Char('\n')));
  PageControl4->setTabVisible(PageControl4->indexOf(TabSheet24), !view.messages.isEmpty());
  CheckBox3->setEnabled(view.disguiseEnabled);
  if (view.disguiseChecked) CheckBox3->setChecked(*view.disguiseChecked);
  Memo2->setPlainText(view.items.join(QLatin1Char('\n')));
  Memo2->moveCursor(QTextCursor::Start);
  Memo3->setPlainText(view.skills.join(QLatin1Char('\n')));
  Memo3->moveCursor(QTextCursor::Start);
  layoutDetails();
}

void UnitPage::showStructure(const StructureView& view, TableRowModel* row, const QString& descriptionField) {
  mapDescription(row, descriptionField);
  if (view.description == QLatin1String(unitview::kNoDescription)) {
    // Nothing stored: the text is a notice, not the row's description.
    memoMapper_->clearMapping();
    DBMemo1->setPlainText(view.description);
  }
  layoutDetails();
}

void UnitPage::layoutDetails() {
  if (!DBMemo1->toPlainText().isEmpty()) PageControl4->setTabVisible(PageControl4->indexOf(TabSheet23), true);
  const bool messages = PageControl4->isTabVisible(PageControl4->indexOf(TabSheet24));
  const bool description = PageControl4->isTabVisible(PageControl4->indexOf(TabSheet23));
  const unitview::DetailsLayout l = unitview::detailsLayout(messages, description);
  PageControl4->setFixedHeight(l.height);
  detailsTop_ = l.top;
}

namespace {
constexpr int kEntryKindRole = Qt::UserRole;
constexpr int kEntryNumberRole = Qt::UserRole + 1;
// The list takes what its longest line needs, up to this, from the details beside it.
constexpr int kWidestList = 620;
}  // namespace

void UnitPage::fitListToLines() {
  int widest = 0;
  const QFontMetrics metrics(ListBox3->font());
  for (int i = 0; i < ListBox3->count(); ++i)
    widest = std::max(widest, metrics.horizontalAdvance(ListBox3->item(i)->text()));
  const int chrome = 2 * ListBox3->frameWidth() + ListBox3->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 12;
  ListBox3->setMinimumWidth(std::min(widest + chrome, kWidestList));
}

void UnitPage::setList(const QStringList& lines, const QVector<RegionView::ListEntry>& entries) {
  ListBox3->clear();
  for (int i = 0; i < lines.size(); ++i) {
    auto* item = new QListWidgetItem(lines.at(i), ListBox3);
    if (i >= entries.size()) continue;
    item->setData(kEntryKindRole, int(entries.at(i).kind));
    item->setData(kEntryNumberRole, entries.at(i).number);
  }
  fitListToLines();
}

void UnitPage::setListLines(const QStringList& lines) {
  if (lines.size() == ListBox3->count()) {
    for (int i = 0; i < lines.size(); ++i) ListBox3->item(i)->setText(lines.at(i));
    return;
  }
  const int row = ListBox3->currentRow();
  ListBox3->clear();
  ListBox3->addItems(lines);
  if (row >= 0 && row < lines.size()) ListBox3->setCurrentRow(row);
  fitListToLines();
}

std::optional<RegionView::ListEntry> UnitPage::entryAt(int row) const {
  const QListWidgetItem* item = ListBox3->item(row);
  if (!item || !item->data(kEntryKindRole).isValid()) return std::nullopt;
  return RegionView::ListEntry{unitview::EntryKind(item->data(kEntryKindRole).toInt()),
                               qint32(item->data(kEntryNumberRole).toLongLong())};
}

QStringList UnitPage::listLines() const {
  QStringList out;
  for (int i = 0; i < ListBox3->count(); ++i) out << ListBox3->item(i)->text();
  return out;
}

void UnitPage::collapseDetails() {
  PageControl4->setTabVisible(PageControl4->indexOf(TabSheet23), false);
  PageControl4->setTabVisible(PageControl4->indexOf(TabSheet24), false);
  PageControl4->setFixedHeight(69);
  detailsTop_ = 396;
}

void UnitPage::clearDetails() {
  if (memoMapper_) memoMapper_->clearMapping();
  for (QLineEdit* e : {DBEdit2, Edit29, DBEdit23, DBEdit22, DBEdit21, DBEdit31, DBEdit1, DBEdit5}) e->clear();
  CheckBox3->setChecked(false);
  CheckBox3->setEnabled(false);
  DBMemo1->clear();
  Memo9->clear();
  clearTexts();
  PageControl4->setTabVisible(PageControl4->indexOf(TabSheet23), false);
  PageControl4->setTabVisible(PageControl4->indexOf(TabSheet24), false);
  layoutDetails();
}

void UnitPage::clearTexts() {
  Memo2->clear();
  Memo3->clear();
}
