#pragma once
// What the highlighting colours in one line of orders: frame lines,
// keywords (known or not), quoted texts, comments, comment orders and the
// repeat mark, as spans of the line.
#include <QList>
#include <QString>

namespace orderspans {

enum class Kind { Frame, Keyword, UnknownKeyword, Quoted, Comment, CommentOrder, Repeat };

struct Span {
  Kind kind;
  int start;
  int length;
};

QList<Span> spans(const QString& line);

}  // namespace orderspans
