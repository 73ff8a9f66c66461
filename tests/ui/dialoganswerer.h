#pragma once
// Answers the modal dialogs the program opens, as a player would: the report
// file dialog gets a file, message boxes get a button. What was shown is kept.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace uitest {

class DialogAnswerer : public QObject {
 public:
  DialogAnswerer();

  QString fileToOpen;                 // typed into the next file dialog
  QString messageButton = QStringLiteral("&Ja");  // pressed in message boxes ("OK" when there is no such button)
  bool tickCheckBox = false;          // ticks a message box's check box first

  QStringList messages;     // texts of the message boxes answered
  QStringList checkBoxes;   // texts of their check boxes
  QStringList buttonTexts;  // all button texts of the dialogs answered
  QStringList fileFilters;  // filters of the last file dialog
  QString selectedFilter;   // and the one it had selected
  QString fileDialogFolder; // and the folder it opened in

 private:
  void answer();
  QTimer poll_;
};

}  // namespace uitest
