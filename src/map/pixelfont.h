#pragma once
// A tiny fixed font for the map marks, so the letters look the same
// everywhere and need no font system (the headless tool has none).
#include <QColor>
#include <QPainter>
#include <QString>

namespace pixelfont {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kAdvance = kGlyphWidth + 1;

// Width and height of a text's box: one pixel of margin around the glyphs.
int textWidth(const QString& text);
inline int textHeight() { return kGlyphHeight + 2; }

// Draws the text with its top-left box corner at (x, y), the box filled
// with `background`; characters without a glyph leave a gap.
void drawText(QPainter& painter, int x, int y, const QString& text, const QColor& ink, const QColor& background);

}  // namespace pixelfont
