#pragma once
// One row of a game table as an item model, so that bound controls can be
// mapped to its fields (QDataWidgetMapper). Edits are kept until submit(),
// which stores the changed fields in the row, as a bound form does when the
// row changes or the page is left.
#include <QAbstractTableModel>
#include <QHash>
#include <QString>
#include <QVariant>
#include <memory>

#include "db/table.h"

class Database;

class TableRowModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  TableRowModel(Database& db, const QString& table, const QString& indexFields, QObject* parent = nullptr);
  ~TableRowModel() override;

  // Shows the row with this key of the index; false (and no row) when there
  // is none. Pending edits of the previous row are stored first.
  bool showRow(const QVariantList& key);
  // No row: the bound controls are empty.
  void clearRow();
  bool hasRow() const { return hasRow_; }
  QVariantList key() const { return key_; }

  int column(const QString& field) const { return table_->fieldIndex(field); }
  QVariant fieldValue(const QString& field) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  // Stores the pending edits in the row. False with lastError() set when the
  // table refused them (the edits are then dropped).
  bool submit() override;
  void revert() override;
  bool hasPendingEdits() const { return !pending_.isEmpty(); }
  QString lastError() const { return error_; }

 private:
  std::unique_ptr<Table> table_;
  QString tableName_;
  QVariantList key_;
  QVector<QVariant> values_;
  QHash<int, QVariant> pending_;
  QHash<int, int> types_;  // column -> schema field type
  bool hasRow_ = false;
  QString error_;
};
