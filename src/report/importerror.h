#pragma once
#include <QString>

#include "game/zendralerror.h"

// A report that cannot be read: the German reason and the report line.
// message() is what the player is shown: "Fehler in Zeile 12 („…“): reason".
class ImportError : public ZendralError {
 public:
  ImportError(const QString& reason, int lineIndex, const QString& lineText);
  const QString& reason() const { return reason_; }
  int lineIndex() const { return lineIndex_; }  // 0-based, -1 when no line applies
  const QString& lineText() const { return lineText_; }

 private:
  QString reason_;
  int lineIndex_;
  QString lineText_;
};
