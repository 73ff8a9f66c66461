#pragma once
// A game database with one region, and the calls to read unit blocks into
// it, for the unit reader's tests.
#include <QStringList>
#include <initializer_list>
#include <memory>

#include "db/table.h"
#include "report/blockreaders.h"
#include "report/starlist.h"
#include "support/testsupport.h"

namespace unittest {

inline QStringList lines(std::initializer_list<const char*> text) {
  QStringList out;
  for (const char* l : text) out << QString::fromUtf8(l);
  return out;
}

inline QString u8(const char* text) { return QString::fromUtf8(text); }

struct UnitWorld {
  explicit UnitWorld(int gameType = kMolvanth, qint32 ownParty = 146, int version = 64)
      : fx(std::make_unique<testsupport::ImportFixture>(gameType)) {
    fx->game.ownPartyNumber = ownParty;
    fx->game.roundCode = 3806;
    fx->state->header.version = version;
    fx->state->itemFieldNames = itemFieldNames(fx->tables->einheiten);
    fx->state->skillFieldNames = skillFieldNames(fx->tables->einheiten);
  }

  ImportState& state() { return *fx->state; }

  // Makes a region the current one, as the region reader leaves it.
  void region(const QString& name, int x, int y, int z = 0) {
    Table& r = fx->tables->regionen;
    r.findKey({fx->game.slot, x, y, z}) ? r.edit() : r.append();
    r.setValue(QStringLiteral("Spiel"), fx->game.slot);
    r.setValue(QStringLiteral("Breite"), x);
    r.setValue(QStringLiteral("Länge"), y);
    r.setValue(QStringLiteral("Ebene"), z);
    r.setValue(QStringLiteral("Regionname"), name);
    r.post();
    fx->state->regionPosition = QString::number(x) + QLatin1Char('/') + QString::number(y) +
                                (z ? QLatin1Char('/') + QString::number(z) : QString());
  }

  void party(qint32 nr, const QString& name) {
    Table p(fx->db, QStringLiteral("parteien"));
    p.append();
    p.setValue(QStringLiteral("Spiel"), fx->game.slot);
    p.setValue(QStringLiteral("Partei Nr"), nr);
    p.setValue(QStringLiteral("Partei Name"), name);
    p.post();
  }

  void statisticsRow(int x, int y, int z, int round, qint64 silver) {
    Table s(fx->db, QStringLiteral("statistik"));
    s.append();
    s.setValue(QStringLiteral("Spiel"), fx->game.slot);
    s.setValue(QStringLiteral("Breite"), x);
    s.setValue(QStringLiteral("Länge"), y);
    s.setValue(QStringLiteral("Ebene"), z);
    s.setValue(QStringLiteral("Datum"), round);
    s.setValue(QStringLiteral("Partei Silber Region"), silver);
    s.post();
  }

  qint64 regionSilver(int x, int y, int z, int round) {
    Table s(fx->db, QStringLiteral("statistik"));
    if (!s.findKey({fx->game.slot, x, y, z, round})) return -1;
    return s.intValue(QStringLiteral("Partei Silber Region"));
  }

  // Reads the block that starts at `start`; returns the line it stopped on.
  int read(const QStringList& report, int start = 0) {
    fx->setReport(report, start);
    getEinheitenInfo(*fx->state);
    return fx->state->currentLine;
  }

  // Writes fields of a stored unit row directly (what an earlier report left).
  void store(qint32 nr, std::initializer_list<std::pair<const char*, QVariant>> values) {
    Table t(fx->db, QStringLiteral("einheiten"));
    t.findKey({fx->game.slot, nr}) ? t.edit() : t.append();
    t.setValue(QStringLiteral("Spiel"), fx->game.slot);
    t.setValue(QStringLiteral("Einheit Nr"), nr);
    for (const auto& [field, value] : values) t.setValue(QString::fromUtf8(field), value);
    t.post();
  }

  // The stored unit row; `found` is false when there is none.
  struct Row {
    Row(Database& db, int slot, qint32 nr) : t(db, QStringLiteral("einheiten")) { found = t.findKey({slot, nr}); }
    QString s(const char* field) const { return t.text(QString::fromUtf8(field)); }
    qint64 i(const char* field) const { return t.intValue(QString::fromUtf8(field)); }
    bool null(const char* field) const { return t.isNull(QString::fromUtf8(field)); }
    QString all() const {
      QStringList cells;
      for (int c = 0; c < t.fieldCount(); ++c) cells << t.value(c).toString();
      return cells.join(QLatin1Char('|'));
    }
    Table t;
    bool found = false;
  };
  std::unique_ptr<Row> unit(qint32 nr) { return std::make_unique<Row>(fx->db, fx->game.slot, nr); }

  std::unique_ptr<testsupport::ImportFixture> fx;
};

}  // namespace unittest
