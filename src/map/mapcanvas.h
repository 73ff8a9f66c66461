#pragma once
// Drawing on the map layers with the pixel rules the maps are built on:
// a box from (x1, y1) to (x2, y2) covers x1 .. x2 - 1 and y1 .. y2 - 1,
// outlines one pixel wide, no smoothing. Layers are transparent where
// nothing is drawn.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <initializer_list>

namespace mapcanvas {

// A transparent layer of `size` with the thin black frame of a wiped layer.
QImage wipedLayer(QSize size);

void ellipse(QPainter& p, int x1, int y1, int x2, int y2, const QColor& outline, const QColor& fill);
void polygon(QPainter& p, std::initializer_list<QPoint> corners, const QColor& outline, const QColor& fill);
// A square outline with a transparent inside (the white ground of a layer).
void hollowBox(QPainter& p, int x1, int y1, int x2, int y2, const QColor& outline);

}  // namespace mapcanvas
