#pragma once
// The open dialog of "&CR einlesen": report files first, then text files
// and all files; it opens in the folder of the last report read.
#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace reportfiledialog {

// The filters in their order; the first is selected.
QStringList filters();

// The dialog, not yet shown (Qt's own, so that it is German and lists the
// filters on every desktop).
QFileDialog* create(QWidget* parent, const QString& folder);

// Runs the dialog; the chosen file, or empty when cancelled.
QString choose(QWidget* parent, const QString& folder);

}  // namespace reportfiledialog
