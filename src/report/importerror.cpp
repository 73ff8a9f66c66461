#include "report/importerror.h"

namespace {

QString shownMessage(const QString& reason, int lineIndex, const QString& lineText) {
  if (lineIndex < 0) return reason;
  QString shown = lineText;
  if (shown.size() > 200) shown = shown.left(200) + QStringLiteral("…");
  // Control characters of a binary file would garble the message box and the terminal.
  for (QChar& c : shown)
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QChar(0xFFFD);
  return QStringLiteral("Fehler in Zeile %1 („%2“): %3").arg(lineIndex + 1).arg(shown, reason);
}

}  // namespace

ImportError::ImportError(const QString& reason, int lineIndex, const QString& lineText)
    : ZendralError(shownMessage(reason, lineIndex, lineText)), reason_(reason), lineIndex_(lineIndex), lineText_(lineText) {}
