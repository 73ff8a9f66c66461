#include "ui/ordershighlighter.h"

OrdersHighlighter::OrdersHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

QTextCharFormat OrdersHighlighter::formatFor(orderspans::Kind kind) {
  using orderspans::Kind;
  QTextCharFormat f;
  switch (kind) {
    case Kind::Frame:
      f.setForeground(QColor(0x00, 0x30, 0xA0));
      f.setFontWeight(QFont::Bold);
      break;
    case Kind::Keyword:
      f.setForeground(QColor(0x00, 0x70, 0x20));
      f.setFontWeight(QFont::Bold);
      break;
    case Kind::UnknownKeyword:
      f.setForeground(QColor(0xC0, 0x00, 0x00));
      f.setUnderlineStyle(QTextCharFormat::WaveUnderline);
      f.setUnderlineColor(QColor(0xE0, 0x00, 0x00));
      break;
    case Kind::Quoted: f.setForeground(QColor(0x90, 0x50, 0x00)); break;
    case Kind::Comment:
      f.setForeground(QColor(0x80, 0x80, 0x80));
      f.setFontItalic(true);
      break;
    case Kind::CommentOrder: f.setForeground(QColor(0x00, 0x80, 0x80)); break;
    case Kind::Repeat:
      f.setForeground(QColor(0xB0, 0x00, 0xB0));
      f.setFontWeight(QFont::Bold);
      break;
  }
  return f;
}

void OrdersHighlighter::highlightBlock(const QString& text) {
  for (const orderspans::Span& s : orderspans::spans(text)) setFormat(s.start, s.length, formatFor(s.kind));
}
