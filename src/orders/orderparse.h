#pragma once
// An orders text cut into what the check, the highlighting and the
// completion need: frame lines (PARTEI, REGION, EINHEIT, NAECHSTER), order
// lines with their keyword and arguments, comments, and where a quote was
// left open. Nothing here knows the game's names; see orderscheck.
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace orderparse {

// Keywords and names compare in this form: capitals, umlauts as AE/OE/UE,
// ß as SS, "_" and "~" as blanks.
QString fold(QStringView text);

// One argument or keyword, with where it stands in its line.
struct Token {
  QString text;   // without quotes
  int start = 0;  // position in the line (the opening quote for a quoted one)
  int length = 0;
  bool quoted = false;
};

enum class LineKind { Empty, Comment, Frame, CommentOrder, Order };
enum class Frame { None, Partei, Region, Einheit, Naechster };

struct Line {
  LineKind kind = LineKind::Empty;
  Frame frame = Frame::None;
  bool repeated = false;      // the order starts with "@"
  bool unclosedQuote = false;
  int commentStart = -1;      // position of a ";" comment, -1 without one
  QList<Token> tokens;        // keyword first (the frame word for a frame line)
  QString keyword() const { return tokens.isEmpty() ? QString() : fold(tokens.first().text); }
  QString arg(int i) const { return i + 1 < tokens.size() ? tokens.at(i + 1).text : QString(); }
  int argCount() const { return int(tokens.size()) - 1; }
};

// Cuts one line of an orders text.
Line parseLine(const QString& text);

}  // namespace orderparse
