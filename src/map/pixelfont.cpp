#include "map/pixelfont.h"

namespace pixelfont {

namespace {
struct Glyph {
  char c;
  const char* rows[kGlyphHeight];
};
const Glyph kGlyphs[] = {
    {'M', {"10001", "11011", "10101", "10101", "10001", "10001", "10001"}},
    {'B', {"11110", "10001", "10001", "11110", "10001", "10001", "11110"}},
    {'P', {"11110", "10001", "10001", "11110", "10000", "10000", "10000"}},
    {'$', {"00100", "01111", "10100", "01110", "00101", "11110", "00100"}},
    {'U', {"10001", "10001", "10001", "10001", "10001", "10001", "01110"}},
};

const Glyph* glyphFor(QChar c) {
  for (const Glyph& g : kGlyphs)
    if (QLatin1Char(g.c) == c) return &g;
  return nullptr;
}

}  // namespace

int textWidth(const QString& text) { return int(text.size()) * kAdvance + 1; }

void drawText(QPainter& painter, int x, int y, const QString& text, const QColor& ink, const QColor& background) {
  painter.fillRect(QRect(x, y, textWidth(text), textHeight()), background);
  for (int i = 0; i < text.size(); ++i) {
    const Glyph* g = glyphFor(text.at(i));
    if (!g) continue;
    const int gx = x + 1 + i * kAdvance;
    for (int row = 0; row < kGlyphHeight; ++row)
      for (int col = 0; col < kGlyphWidth; ++col)
        if (g->rows[row][col] == '1') painter.fillRect(QRect(gx + col, y + 1 + row, 1, 1), ink);
  }
}

}  // namespace pixelfont
