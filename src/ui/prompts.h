#pragma once
// The questions and messages the windows put to the player, as replaceable
// functions so that tests can answer them.
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

struct Prompts {
  std::function<bool(const QString&)> confirm;    // confirmation, Yes / No
  std::function<bool(const QString&)> warnYesNo;  // warning, Yes / No
  // Warning, Yes / No, with a check box (its text the second argument)
  // whose state goes to the third.
  std::function<bool(const QString&, const QString&, bool*)> warnYesNoWithBox;
  std::function<void(const QString&)> inform;     // information, OK
  std::function<void(const QString&)> error;      // error, OK
  // A question with the given buttons; the index of the chosen one (the
  // last one, the cancel button, when the box is closed otherwise).
  std::function<int(const QString&, const QStringList&)> choose;

  // Message boxes over `parent`.
  static Prompts messageBoxes(QWidget* parent);
};
