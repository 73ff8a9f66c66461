#include "orders/orderspans.h"

#include "orders/orderparse.h"
#include "orders/orderscheck.h"

namespace orderspans {

QList<Span> spans(const QString& line) {
  using orderparse::LineKind;
  const orderparse::Line l = orderparse::parseLine(line);
  QList<Span> out;
  if (l.repeated) out << Span{Kind::Repeat, int(line.indexOf(QLatin1Char('@'))), 1};
  switch (l.kind) {
    case LineKind::Empty:
      break;
    case LineKind::CommentOrder:
      out << Span{Kind::CommentOrder, l.tokens.first().start, l.tokens.first().length};
      break;
    case LineKind::Comment:
      break;
    case LineKind::Frame:
      out << Span{Kind::Frame, l.tokens.first().start, int(line.size()) - l.tokens.first().start};
      break;
    case LineKind::Order: {
      const orderparse::Token& first = l.tokens.first();
      out << Span{orderscheck::isKeyword(first.text) && !first.quoted ? Kind::Keyword : Kind::UnknownKeyword,
                  first.start, first.length};
      for (int i = 1; i < l.tokens.size(); ++i)
        if (l.tokens.at(i).quoted) out << Span{Kind::Quoted, l.tokens.at(i).start, l.tokens.at(i).length};
      break;
    }
  }
  // Last, so that a frame line's comment is coloured as a comment.
  if (l.commentStart >= 0) out << Span{Kind::Comment, l.commentStart, int(line.size()) - l.commentStart};
  return out;
}

}  // namespace orderspans
