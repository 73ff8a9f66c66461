#pragma once
// "&Taschenrechner": starts the desktop's calculator, detached.
#include <QString>
#include <QStringList>
#include <functional>

namespace calculator {

// The usual Linux calculator programs, in the order they are tried.
QStringList candidates();

// Finds a program by name (the PATH lookup; tests hand their own).
using Finder = std::function<QString(const QString&)>;
QString findCalculator(const Finder& find = {});

// Starts the first calculator found, without waiting for it. Returns an
// empty text, or a German message when none is installed or it would not
// start.
QString Taschenrechner(const Finder& find = {});

}  // namespace calculator
