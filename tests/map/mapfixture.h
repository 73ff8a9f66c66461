#pragma once
// A program folder with tiles, zendral.cfg and the database, and helpers
// that put regions, ships and units of slot 1 into it.
#include <QImage>
#include <QTemporaryDir>
#include <QVariantMap>

#include "game/gamesession.h"
#include "db/database.h"

namespace maptest {

struct MapFixture {
  MapFixture();
  void region(int x, int y, int level, const QString& type, const QVariantMap& more = {});
  void ship(int number, const QString& position, qint32 party, qint32 round);
  void unit(int number, const QString& position, const QString& flags, qint32 party, qint32 round);
  QString images() const { return dir.path() + QStringLiteral("/images/"); }

  QTemporaryDir dir;
  Database db;
  GameSession session;
};

// Colour of a pixel with its alpha, so transparent reads as such.
inline QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y); }
inline bool transparentAt(const QImage& image, int x, int y) { return qAlpha(image.pixel(x, y)) == 0; }

}  // namespace maptest
