#pragma once
#include <Qt>

// The wait cursor for a long operation, restored on every way out. On from
// construction unless started off; set() and restore() switch it around a
// question to the player in between (each only once, so they pair up).
class WaitCursor {
 public:
  enum class Start { On, Off };
  explicit WaitCursor(Start start = Start::On, Qt::CursorShape shape = Qt::WaitCursor);
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

  void set();
  void restore();
  bool isOn() const { return on_; }

 private:
  Qt::CursorShape shape_;
  bool on_ = false;
};
