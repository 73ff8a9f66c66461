#pragma once
#include <QString>
#include <stdexcept>

// A report that cannot be read: the German reason and the report line.
class ImportError : public std::runtime_error {
 public:
  ImportError(const QString& reason, int lineIndex, const QString& lineText)
      : std::runtime_error(reason.toStdString()), reason_(reason), lineIndex_(lineIndex), lineText_(lineText) {}
  const QString& reason() const { return reason_; }
  int lineIndex() const { return lineIndex_; }  // 0-based, -1 when no line applies
  const QString& lineText() const { return lineText_; }
  // "Fehler in Zeile 12 („…“): reason" — what the player is shown.
  QString message() const;

 private:
  QString reason_;
  int lineIndex_;
  QString lineText_;
};
