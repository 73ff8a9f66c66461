#include "views/tablerowmodel.h"

#include "game/textutil.h"
#include "db/dberror.h"
#include "db/schema.h"

TableRowModel::TableRowModel(Database& db, const QString& table, const QString& indexFields, QObject* parent)
    : QAbstractTableModel(parent), table_(std::make_unique<Table>(db, table)), tableName_(table) {
  table_->setIndexFields(indexFields);
  for (const schema::TableDef* def : schema::allTables()) {
    if (def->name != table) continue;
    for (const schema::FieldDef& f : def->fields) {
      const int c = table_->fieldIndex(f.name);
      if (c >= 0) types_.insert(c, int(f.type));
    }
  }
  values_ = QVector<QVariant>(table_->fieldCount());
}

TableRowModel::~TableRowModel() = default;

bool TableRowModel::showRow(const QVariantList& key) {
  submit();
  beginResetModel();
  table_->open();
  hasRow_ = table_->findKey(key);
  key_ = hasRow_ ? key : QVariantList();
  for (int i = 0; i < values_.size(); ++i) values_[i] = hasRow_ ? table_->value(i) : QVariant();
  table_->close();
  pending_.clear();
  endResetModel();
  return hasRow_;
}

void TableRowModel::clearRow() {
  submit();
  beginResetModel();
  hasRow_ = false;
  key_.clear();
  for (QVariant& v : values_) v = QVariant();
  pending_.clear();
  endResetModel();
}

QVariant TableRowModel::fieldValue(const QString& field) const {
  const int c = column(field);
  if (c < 0) return {};
  return pending_.contains(c) ? pending_.value(c) : values_.value(c);
}

int TableRowModel::rowCount(const QModelIndex& parent) const { return parent.isValid() || !hasRow_ ? 0 : 1; }

int TableRowModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : table_->fieldCount(); }

QVariant TableRowModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() != 0 || !hasRow_) return {};
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  const QVariant v = pending_.contains(index.column()) ? pending_.value(index.column()) : values_.value(index.column());
  return v.isNull() ? QString() : v.toString();
}

bool TableRowModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.row() != 0 || !hasRow_ || role != Qt::EditRole) return false;
  const int c = index.column();
  const QString text = value.toString();
  // Unchanged (a memo may show CR LF as LF): nothing to store.
  auto lineEnds = [](QString t) { return t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n')); };
  if (lineEnds(text) == lineEnds(data(index, Qt::EditRole).toString())) return true;
  QVariant stored;
  const auto type = schema::FieldType(types_.value(c, int(schema::FieldType::Text)));
  if (text.isEmpty()) {
    stored = QVariant();
  } else if (type == schema::FieldType::Integer) {
    const std::optional<qint32> n = textutil::strictInt(text);
    if (!n) return false;  // the control keeps showing the stored value
    stored = *n;
  } else if (type == schema::FieldType::Real) {
    bool ok = false;
    const double d = text.toDouble(&ok);
    if (!ok) return false;
    stored = d;
  } else {
    stored = text;
  }
  pending_.insert(c, stored);
  emit dataChanged(index, index);
  return true;
}

Qt::ItemFlags TableRowModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant TableRowModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return table_->fieldNames().value(section);
  return QAbstractTableModel::headerData(section, orientation, role);
}

bool TableRowModel::submit() {
  error_.clear();
  if (pending_.isEmpty() || !hasRow_) {
    pending_.clear();
    return true;
  }
  try {
    table_->open();
    if (!table_->findKey(key_)) throw DbError(QStringLiteral("Der Datensatz in Tabelle %1 ist nicht mehr vorhanden.").arg(tableName_));
    table_->edit();
    for (auto it = pending_.constBegin(); it != pending_.constEnd(); ++it) table_->setValue(it.key(), it.value());
    table_->post();
    for (auto it = pending_.constBegin(); it != pending_.constEnd(); ++it) values_[it.key()] = it.value();
    table_->close();
  } catch (const DbError& e) {
    table_->cancel();
    table_->close();
    error_ = e.message();
    pending_.clear();
    return false;
  }
  pending_.clear();
  return true;
}

void TableRowModel::revert() {
  pending_.clear();
  if (hasRow_) emit dataChanged(index(0, 0), index(0, columnCount() - 1));
}
