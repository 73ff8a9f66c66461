#include "orders/orderparse.h"

namespace orderparse {

QString fold(QStringView text) {
  QString out;
  out.reserve(text.size() + 4);
  for (const QChar c : text) {
    switch (c.unicode()) {
      case 0xE4: case 0xC4: out += QLatin1String("AE"); break;
      case 0xF6: case 0xD6: out += QLatin1String("OE"); break;
      case 0xFC: case 0xDC: out += QLatin1String("UE"); break;
      case 0xDF: out += QLatin1String("SS"); break;
      case '_': case '~': out += QLatin1Char(' '); break;
      default: out += c.toUpper();
    }
  }
  return out;
}

namespace {

Frame frameOf(const QString& folded) {
  if (folded == QLatin1String("PARTEI")) return Frame::Partei;
  if (folded == QLatin1String("REGION")) return Frame::Region;
  if (folded == QLatin1String("EINHEIT")) return Frame::Einheit;
  if (folded == QLatin1String("NAECHSTER")) return Frame::Naechster;
  return Frame::None;
}

}  // namespace

Line parseLine(const QString& text) {
  Line line;
  const int n = int(text.size());
  int i = 0;
  while (i < n && text.at(i).isSpace()) ++i;
  if (i == n) return line;
  if (text.at(i) == QLatin1Char(';')) {
    line.kind = LineKind::Comment;
    line.commentStart = i;
    return line;
  }
  if (text.at(i) == QLatin1Char('@')) {
    line.repeated = true;
    ++i;
    while (i < n && text.at(i).isSpace()) ++i;
  }
  if (text.mid(i, 2) == QLatin1String("//")) {
    line.kind = LineKind::CommentOrder;
    line.tokens.append({text.mid(i), i, n - i, false});
    return line;
  }
  while (i < n) {
    const QChar c = text.at(i);
    if (c.isSpace()) {
      ++i;
      continue;
    }
    if (c == QLatin1Char(';')) {
      line.commentStart = i;
      break;
    }
    Token t;
    t.start = i;
    if (c == QLatin1Char('"')) {
      // A quote runs to the next quote; an open one swallows the line.
      const int close = int(text.indexOf(QLatin1Char('"'), i + 1));
      t.quoted = true;
      if (close < 0) {
        line.unclosedQuote = true;
        t.text = text.mid(i + 1);
        t.length = n - i;
        i = n;
      } else {
        t.text = text.mid(i + 1, close - i - 1);
        t.length = close + 1 - i;
        i = close + 1;
      }
    } else {
      int j = i;
      while (j < n && !text.at(j).isSpace() && text.at(j) != QLatin1Char(';') && text.at(j) != QLatin1Char('"')) ++j;
      t.text = text.mid(i, j - i);
      t.length = j - i;
      i = j;
    }
    line.tokens.append(t);
  }
  if (line.tokens.isEmpty()) {
    line.kind = line.commentStart >= 0 ? LineKind::Comment : LineKind::Empty;
    return line;
  }
  line.frame = line.tokens.first().quoted ? Frame::None : frameOf(fold(line.tokens.first().text));
  line.kind = line.frame != Frame::None && !line.repeated ? LineKind::Frame : LineKind::Order;
  if (line.kind == LineKind::Order) line.frame = Frame::None;
  return line;
}

}  // namespace orderparse
