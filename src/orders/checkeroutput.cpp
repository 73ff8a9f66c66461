#include "orders/checkeroutput.h"

#include <QRegularExpression>

#include "orders/orderparse.h"

namespace checkeroutput {

namespace {

struct Block {
  QString unit;  // empty outside a unit
  int headerLine = 0;
};

// For every template line the unit block it belongs to.
QList<Block> blocksOf(const QStringList& lines) {
  QList<Block> out;
  Block current;
  for (int i = 0; i < lines.size(); ++i) {
    const orderparse::Line l = orderparse::parseLine(lines.at(i));
    if (l.kind == orderparse::LineKind::Frame)
      current = l.frame == orderparse::Frame::Einheit ? Block{l.arg(0), i + 1} : Block{};
    out << current;
  }
  return out;
}

}  // namespace

QList<orderscheck::Problem> place(const QString& output, const QStringList& templateLines) {
  static const QRegularExpression lineRef(QStringLiteral("\\b(?:zeile|line)\\s*:?\\s*(\\d+)"),
                                          QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression unitRef(QStringLiteral("\\b(?:einheit|unit)\\s+([0-9a-z]{1,6})\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression error(QStringLiteral("fehler|error"), QRegularExpression::CaseInsensitiveOption);
  const QList<Block> blocks = blocksOf(templateLines);
  QList<orderscheck::Problem> out;
  for (const QString& raw : output.split(QLatin1Char('\n'))) {
    const QString text = raw.trimmed();
    if (text.isEmpty()) continue;
    orderscheck::Problem p;
    p.text = text;
    p.severity = error.match(text).hasMatch() ? orderscheck::Severity::Fehler : orderscheck::Severity::Warnung;
    const QRegularExpressionMatch byLine = lineRef.match(text);
    if (byLine.hasMatch()) {
      const int n = byLine.captured(1).toInt();
      if (n >= 1 && n <= blocks.size()) {
        p.line = n;
        p.unit = blocks.at(n - 1).unit;
      }
    } else {
      const QRegularExpressionMatch byUnit = unitRef.match(text);
      if (byUnit.hasMatch()) {
        const QString id = byUnit.captured(1);
        for (const Block& b : blocks)
          if (b.headerLine > 0 && b.unit.compare(id, Qt::CaseInsensitive) == 0) {
            p.line = b.headerLine;
            p.unit = b.unit;
            break;
          }
      }
    }
    out << p;
  }
  return out;
}

bool regionOfLine(const QStringList& templateLines, int line, int* x, int* y, int* z) {
  for (int i = qMin(line, int(templateLines.size())) - 1; i >= 0; --i) {
    const orderparse::Line l = orderparse::parseLine(templateLines.at(i));
    if (l.kind != orderparse::LineKind::Frame || l.frame != orderparse::Frame::Region) continue;
    QStringList parts;
    for (int a = 0; a < l.argCount(); ++a) parts << l.arg(a).split(QLatin1Char(','), Qt::SkipEmptyParts);
    bool okX = false, okY = false;
    if (parts.size() < 2) return false;
    *x = parts.at(0).toInt(&okX);
    *y = parts.at(1).toInt(&okY);
    *z = parts.size() >= 3 ? parts.at(2).toInt() : 0;
    return okX && okY;
  }
  return false;
}

}  // namespace checkeroutput
