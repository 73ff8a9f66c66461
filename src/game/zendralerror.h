#pragma once
#include <QString>
#include <stdexcept>

// A failure the player is told about: the German message says what went
// wrong and where. The table layer, zendral.cfg and the report reading each
// derive their kind from it, so that a caller that only shows the message
// needs one catch.
class ZendralError : public std::runtime_error {
 public:
  explicit ZendralError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};
