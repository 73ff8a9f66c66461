#pragma once
// Small builders shared by the window layouts: named controls, a caption
// above a field, and fields bound to a table field by name.
#include <QList>
#include <initializer_list>
#include <QString>
#include <QStringList>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;
class QTableWidget;

namespace formhelpers {

template <class W>
W* named(W* widget, const char* objectName) {
  widget->setObjectName(QString::fromLatin1(objectName));
  return widget;
}

QLineEdit* lineEdit(const char* objectName, bool readOnly = false, QWidget* parent = nullptr);

// A column of the caption over the field. The caption's buddy is the field,
// and the column is the field's parent, so showing or hiding the column
// takes the caption along.
QWidget* captioned(const QString& caption, QWidget* field);
void setCaptionedVisible(QWidget* field, bool visible);
// The caption label of a field made by `captioned`, or null.
QLabel* captionOf(QWidget* field);

// Two fields side by side with a "/" between them (x / y of a region).
QWidget* slashPair(QWidget* first, QWidget* second);
// The dialog's buttons, right-aligned in one row.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons);

// The table field a data-bound control shows ("dataField" property).
void bindField(QWidget* control, const QString& fieldName);
QString boundField(const QWidget* control);

// A read-only grid of `columns` columns with an empty header row and one
// empty data row, as the reports find it before their first run.
QTableWidget* grid(const char* objectName, int columns, const QList<int>& widths = {});

}  // namespace formhelpers
