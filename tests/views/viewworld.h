#pragma once
// A game database for the view tests: slot 1, round 3806, own party 146
// "Die Spielkinder", and helpers that put rows of any table in place.
#include <QVariantMap>

#include "db/table.h"
#include "support/testsupport.h"
#include "views/viewtables.h"

namespace viewtest {

inline QString u8(const char* text) { return QString::fromUtf8(text); }

struct ViewWorld {
  explicit ViewWorld(int gameType = kMolvanth) : fx(gameType), tables(fx.db) {
    fx.game.ownPartyNumber = 146;
    fx.game.ownPartyName = u8("Die Spielkinder");
    fx.game.roundCode = 3806;
    put("parteien", {{"Partei Nr", 146}, {"Partei Name", u8("Die Spielkinder")}});
  }

  // A row of `table` in slot 1 with the given fields (names in UTF-8).
  void put(const char* table, std::initializer_list<std::pair<const char*, QVariant>> fields) {
    Table t(fx.db, u8(table));
    t.append();
    t.setValue(QStringLiteral("Spiel"), fx.game.slot);
    for (const auto& [name, value] : fields) t.setValue(u8(name), value);
    t.post();
  }

  void unit(qint32 nr, const char* position, qint32 party, std::initializer_list<std::pair<const char*, QVariant>> more = {},
            int round = 3806) {
    put("einheiten", {{"Einheit Nr", nr}, {"Einheit Position", u8(position)}, {"Einheit Name", QStringLiteral("U%1").arg(nr)},
                      {"Partei Nr", party}, {"Rasse", u8("Menschen")}, {"Personen", 1}, {"Info Datum", round}});
    if (more.size() == 0) return;
    Table t(fx.db, QStringLiteral("einheiten"));
    t.findKey({fx.game.slot, nr});
    t.edit();
    for (const auto& [name, value] : more) t.setValue(u8(name), value);
    t.post();
  }

  QVariant field(const char* table, const QVariantList& key, const char* name) {
    Table t(fx.db, u8(table));
    return t.findKey(key) ? t.value(u8(name)) : QVariant();
  }

  testsupport::ImportFixture fx;
  ViewTables tables;
};

}  // namespace viewtest
