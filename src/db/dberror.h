#pragma once
#include <QString>
#include <stdexcept>

// A failure of the table layer, with a German text for the player.
class DbError : public std::runtime_error {
 public:
  explicit DbError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};
