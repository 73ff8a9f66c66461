#include "ui/regioncontroller.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "turn/opengame.h"
#include "db/dberror.h"
#include "ui/regionpage.h"
#include "ui/templatepage.h"
#include "ui/tform6.h"
#include "ui/tform9.h"
#include "ui/unitpage.h"
#include "ui/waitcursor.h"
#include "ui/windowplacement.h"
#include "views/commandeditor.h"
#include "views/tablerowmodel.h"
#include "views/unitview.h"
#include "views/viewtables.h"

namespace {

// Room beside a header text for the frame and the sort mark.
constexpr int kHeaderPadding = 16;

}  // namespace

RegionController::RegionController(OpenGame& game, const Pages& pages, QObject* parent)
    : QObject(parent), game_(game), pages_(pages) {
  UnitPage* units = pages_.units;
  connect(units, &UnitPage::ListBox3Click, this, &RegionController::ListBox3Click);
  connect(units, &UnitPage::ListBox3DblClick, this, &RegionController::ListBox3DblClick);
  // Changing a filter shows the region again with it.
  for (QCheckBox* box : {units->CheckBox1, units->CheckBox2})
    connect(box, &QCheckBox::toggled, this, [this] {
      if (regionShown_) getSekKoo(shown_.x, shown_.y);
    });
}

RegionController::~RegionController() = default;

void RegionController::setDialogs(TForm6* editor, TForm9* possessions) {
  editor_ = editor;
  possessions_ = possessions;
  if (editor_) connect(editor_, &TForm6::Button1Click, this, &RegionController::Button1Click, Qt::UniqueConnection);
  if (possessions_) {
    possessions_->setSession(&game_.session);
    possessions_->setMessageSink([this](const QString& m) {
      if (inform_) inform_(m);
    });
  }
}

void RegionController::setMessageSinks(MessageSink inform, MessageSink error) {
  inform_ = std::move(inform);
  error_ = std::move(error);
}

void RegionController::fail(const QString& message) {
  if (error_) error_(message);
}

ViewTables& RegionController::tables() {
  if (!tables_) {
    Database& db = *game_.db;
    tables_ = std::make_unique<ViewTables>(db);
    regionRow_ = std::make_unique<TableRowModel>(db, QStringLiteral("regionen"), QStringLiteral("Spiel;Breite;Länge;Ebene"));
    unitRow_ = std::make_unique<TableRowModel>(db, QStringLiteral("einheiten"),
                                               QStringLiteral("Spiel;Einheit Position;Einheit Nr"));
    buildingRow_ = std::make_unique<TableRowModel>(db, QStringLiteral("burgen"), QStringLiteral("Spiel;Burg Nr"));
    shipRow_ = std::make_unique<TableRowModel>(db, QStringLiteral("schiffe"), QStringLiteral("Spiel;Schiffs Nr"));
    pages_.units->bindModel(unitRow_.get());
  }
  return *tables_;
}

void RegionController::getSekKoo(int x, int y) {
  if (!game_.db) return;
  WaitCursor cursor;
  try {
    ViewTables& t = tables();
    // What the player typed belongs to the region shown so far.
    pages_.region->submitEdits();
    if (!regionRow_->lastError().isEmpty()) fail(regionRow_->lastError());
    // The entry shown so far keeps its edits; then it leaves the page.
    pages_.units->submitEdits();
    for (TableRowModel* row : {unitRow_.get(), buildingRow_.get(), shipRow_.get()}) {
      row->clearRow();
      if (!row->lastError().isEmpty()) fail(row->lastError());
    }
    pages_.units->clearDetails();
    pages_.region->bindModel(regionRow_.get());  // follows the game type's road binding
    const RegionFilters filters{pages_.units->CheckBox1->isChecked(), pages_.units->CheckBox2->isChecked()};
    shown_ = ::getSekKoo(t, game_.session, x, y, filters);
    regionShown_ = true;
    if (shown_.found)
      regionRow_->showRow({game_.session.slot, x, y, shown_.level});
    else
      regionRow_->clearRow();
    pages_.region->showRow();
    pages_.region->fill(shown_);
    if (pages_.title) pages_.title->setText(shown_.panelText);
    pages_.units->setList(shown_.unitList, shown_.unitEntries);
    showHistory(shown_);
  } catch (const DbError& e) {
    fail(e.message());
  }
}

void RegionController::showHistory(const RegionView& view) {
  QTableWidget* grid = pages_.history;
  if (!grid) return;
  // A hex without history shows an empty grid, not the region shown before.
  const QStringList header = view.history.isEmpty() ? QStringList(grid->columnCount()) : view.history.first();
  grid->setHorizontalHeaderLabels(header);
  const int rows = view.history.isEmpty() ? 1 : int(view.history.size()) - 1;
  grid->setRowCount(rows);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < grid->columnCount(); ++c) {
      const QString text = view.history.isEmpty() ? QString() : view.history.at(r + 1).value(c);
      auto* item = new QTableWidgetItem(text);
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      grid->setItem(r, c, item);
    }
  grid->selectRow(rows - 1);
  // Every column at least as wide as its header text.
  QHeaderView* top = grid->horizontalHeader();
  for (int c = 0; c < grid->columnCount(); ++c) {
    const int needed = top->fontMetrics().horizontalAdvance(header.value(c)) + kHeaderPadding;
    if (top->sectionSize(c) < needed) top->resizeSection(c, needed);
  }
}

void RegionController::ListBox3Click() {
  const int current = pages_.units->ListBox3->currentRow();
  if (current < 0 || !game_.db) return;
  const std::optional<RegionView::ListEntry> entry = pages_.units->entryAt(current);
  if (!entry) return;
  try {
    ViewTables& t = tables();
    const qint32 nr = entry->number;
    pages_.units->submitEdits();
    for (TableRowModel* row : {unitRow_.get(), buildingRow_.get(), shipRow_.get()})
      if (!row->lastError().isEmpty()) fail(row->lastError());
    shownEntry_.reset();
    if (entry->kind == unitview::EntryKind::Unit) {
      const UnitView view = showUnit(t, game_.session, game_.pages, shown_.regionPosition, nr);
      if (!view.found) return;  // the page keeps the unit it shows
      unitRow_->showRow({game_.session.slot, shown_.regionPosition, nr});
      pages_.units->showUnit(view);
      shownEntry_ = entry;
      return;
    }
    const StructureView view = showStructure(t, game_.session, entry->kind, nr);
    const bool ship = entry->kind == unitview::EntryKind::Ship;
    TableRowModel* structureRow = ship ? shipRow_.get() : buildingRow_.get();
    structureRow->showRow({game_.session.slot, nr});
    pages_.units->showStructure(view, structureRow,
                                ship ? QStringLiteral("Schiffs Beschreibung") : QStringLiteral("Burg Beschreibung"));
    shownEntry_ = entry;
  } catch (const DbError& e) {
    fail(e.message());
  }
}

bool RegionController::showEntry(const RegionView::ListEntry& entry) {
  UnitPage* units = pages_.units;
  const auto rowOf = [units, &entry] {
    for (int row = 0; row < units->ListBox3->count(); ++row)
      if (units->entryAt(row) == entry) return row;
    return -1;
  };
  int row = rowOf();
  if (row < 0 && (!units->CheckBox1->isChecked() || units->CheckBox2->isChecked())) {
    // Another faction's unit or one of an older round: all of the region's lines.
    units->CheckBox1->setChecked(true);
    units->CheckBox2->setChecked(false);
    row = rowOf();
  }
  if (row < 0) return false;
  units->ListBox3->setCurrentRow(row);
  ListBox3Click();
  return true;
}

void RegionController::ListBox3DblClick() {
  // Only the own unit of the double-clicked line: a building, a ship or a
  // line the page does not show opens nothing.
  const std::optional<RegionView::ListEntry> entry = pages_.units->entryAt(pages_.units->ListBox3->currentRow());
  if (!entry || entry->kind != unitview::EntryKind::Unit) return;
  if (shownEntry_ != entry) ListBox3Click();
  if (shownEntry_ != entry) return;
  if (!editor_ || !unitRow_ || !unitRow_->hasRow()) return;
  if (!commandeditor::isOwnParty(pages_.units->Edit29->text(), game_.session)) return;
  editor_->show();
  windowplacement::placeBeside(editor_, pages_.units->ListBox3);
  editor_->raise();
  editor_->clearOrders();
  const qint32 nr = entry->number;
  const QString id = game_.session.idText(nr);
  pages_.orders->commitToModel();
  const QStringList lines = commandeditor::unitLines(game_.orders.lines(), id);
  // The editor always names the unit it shows, also when its header is
  // missing, so writing back cannot reach the unit edited before.
  pages_.units->Edit21->setText(id);
  editor_->Edit1->setText(unitRow_->fieldValue(QStringLiteral("Einheit Name")).toString());
  if (lines.isEmpty()) {
    editorLineCount_ = 0;
    return;
  }
  editor_->openFor(unitRow_->fieldValue(QStringLiteral("Einheit Name")).toString(),
                   unitRow_->fieldValue(QStringLiteral("Flags")).toString(), lines);
  editorLineCount_ = int(lines.size());
  editorOpenedOrders_ = commandeditor::templateOrders(game_.orders.lines(), id).value_or(QStringList());
}

void RegionController::Button1Click() {
  if (!editor_) return;
  pages_.orders->commitToModel();
  const QString id = pages_.units->Edit21->text();
  QString error;
  const std::optional<QStringList> orders = commandeditor::ordersOf(editor_->orderLines(), id, &error);
  if (!orders) {
    fail(error);
    return;
  }
  // Orders typed for the unit in "Zugvorlage" since the editor opened are
  // never dropped without asking.
  const std::optional<QStringList> inTemplate = commandeditor::templateOrders(game_.orders.lines(), id);
  if (inTemplate && *inTemplate != *orders &&
      commandeditor::changedSinceOpened(game_.orders.lines(), id, editorOpenedOrders_)) {
    const int answer = choose_ ? choose_(commandeditor::conflictQuestion(id), commandeditor::conflictAnswers())
                               : commandeditor::Cancel;
    if (answer == commandeditor::TakeTemplate) {
      editor_->Memo1->setPlainText(commandeditor::unitLines(game_.orders.lines(), id).join(QLatin1Char('\n')));
      editorOpenedOrders_ = *inTemplate;
      return;
    }
    if (answer != commandeditor::Overwrite) return;
  }
  if (commandeditor::writeBack(game_.orders, id, *orders)) editorLineCount_ = int(orders->size()) + 1;
  editorOpenedOrders_ = *orders;
  pages_.orders->showModel();
  // The template stays at the lines just written, not at its first line.
  pages_.orders->showLine(commandeditor::unitHeaderLine(game_.orders.lines(), pages_.units->Edit21->text()));
  setflags();
}

void RegionController::setflags() {
  if (!editor_ || !game_.db) return;
  try {
    QStringList lines = pages_.units->listLines();
    const commandeditor::FlagResult r =
        commandeditor::setflags(tables(), game_.session, shown_.regionPosition, pages_.units->Edit21->text(),
                                editor_->marks(), shown_.unflaggedUnits, lines, &shown_.unitEntries);
    pages_.units->setListLines(lines);
    shown_.unitList = lines;
    if (colourRegion_) colourRegion_(r.x, r.y, r.colour);
  } catch (const DbError& e) {
    fail(e.message());
  }
}

void RegionController::ToolButton6Click() {
  if (possessions_) possessions_->ToolButton6Click();
}
