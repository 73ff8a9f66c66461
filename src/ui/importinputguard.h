#pragma once
// While a report is read, clicks, keys and close requests to the program's
// windows are dropped, not kept for later: the player's click on a tab
// during the import must not switch it when the import is over. Questions
// the import asks (message boxes) still take their answers; painting and
// moving windows go on.
#include <QObject>

class ImportInputGuard : public QObject {
  Q_OBJECT
 public:
  // Starts dropping input for the whole application.
  ImportInputGuard();
  // Drops what is still queued, then lets input through again.
  ~ImportInputGuard() override;

  int dropped() const { return dropped_; }

  // True for the event types a player causes with mouse, keyboard, wheel,
  // touch or pen, and for shortcuts and context menus.
  static bool isPlayerInput(int eventType);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int dropped_ = 0;
};
