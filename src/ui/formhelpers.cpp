#include "ui/formhelpers.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QVariant>

namespace formhelpers {

namespace {
const char* const kDataField = "dataField";
}

QLineEdit* lineEdit(const char* objectName, bool readOnly, QWidget* parent) {
  auto* edit = named(new QLineEdit(parent), objectName);
  edit->setReadOnly(readOnly);
  return edit;
}

QWidget* captioned(const QString& caption, QWidget* field) {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  auto* label = new QLabel(caption, column);
  label->setBuddy(field);
  layout->addWidget(label);
  layout->addWidget(field);
  return column;
}

void setCaptionedVisible(QWidget* field, bool visible) {
  if (QLabel* label = captionOf(field)) {
    field->parentWidget()->setVisible(visible);
    label->setVisible(visible);
  }
  field->setVisible(visible);
}

QLabel* captionOf(QWidget* field) {
  if (!field || !field->parentWidget()) return nullptr;
  for (QLabel* label : field->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
    if (label->buddy() == field) return label;
  return nullptr;
}

void bindField(QWidget* control, const QString& fieldName) { control->setProperty(kDataField, fieldName); }

QString boundField(const QWidget* control) { return control->property(kDataField).toString(); }

QTableWidget* grid(const char* objectName, int columns, const QList<int>& widths) {
  auto* table = named(new QTableWidget(1, columns), objectName);
  table->setHorizontalHeaderLabels(QStringList(columns));
  table->verticalHeader()->hide();
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int i = 0; i < widths.size() && i < columns; ++i) table->setColumnWidth(i, widths.at(i));
  return table;
}

QWidget* slashPair(QWidget* first, QWidget* second) {
  auto* pair = new QWidget;
  auto* layout = new QHBoxLayout(pair);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(first);
  layout->addWidget(new QLabel(QStringLiteral("/")));
  layout->addWidget(second);
  layout->addStretch(1);
  return pair;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QWidget* button : buttons) row->addWidget(button);
  return row;
}

}  // namespace formhelpers
