#include "orders/orderscheck.h"

#include <algorithm>

#include "game/codec.h"
#include "orders/orderparse.h"
#include "orders/templatepassword.h"

namespace orderscheck {

using orderparse::fold;
using orderparse::Frame;
using orderparse::Line;
using orderparse::LineKind;

namespace {

// Each keyword with the forms the server takes; the first form names it.
const QList<QStringList>& keywordForms() {
  static const QList<QStringList> forms = [] {
    const char* const table[] = {
        "ARBEITE ARBEITEN", "ATTACKIERE ATTACKIEREN", "BANNER", "BEANSPRUCHE BEANSPRUCHEN",
        "BEFÖRDERE BEFÖRDERUNG", "BEKLAUE BEKLAUEN", "BENENNE BENENNEN", "BENUTZE BENUTZEN",
        "BESCHREIBE BESCHREIBEN", "BETRETE BETRETEN", "BEWACHE BEWACHEN", "BEZAHLE BEZAHLEN", "BOTSCHAFT",
        "DEFAULT", "EMAIL", "ENDE", "FAHRE FAHREN", "FOLGE FOLGEN", "FORSCHE FORSCHEN", "GIB", "GRUPPE",
        "HELFE HELFEN", "KÄMPFE KÄMPFEN", "KAMPFZAUBER", "KAUFE KAUFEN", "KONTAKTIERE KONTAKTIEREN",
        "LEHRE LEHREN", "LERNE LERNEN", "MACHE MACHEN", "NACH", "NUMMER", "OPTION", "PASSWORT",
        "PFLANZE PFLANZEN", "PIRATERIE", "PLÜNDERE PLÜNDERN", "PRÄFIX", "REKRUTIERE REKRUTIEREN",
        "RESERVIERE RESERVIEREN", "ROUTE", "SABOTIERE SABOTIEREN", "SORTIERE SORTIEREN",
        "SPIONIERE SPIONIEREN", "SPRACHE", "STIRB", "TARNE TARNEN", "TRANSPORTIERE TRANSPORTIEREN",
        "TREIBE TREIBEN STEUERN", "UNTERHALTE UNTERHALTEN", "URSPRUNG", "VERGISS VERGESSEN",
        "VERKAUFE VERKAUFEN", "VERLASSE VERLASSEN", "VERTREIBE", "ZAUBERE ZAUBERN", "ZEIGE ZEIGEN",
        "ZERSTÖRE ZERSTÖREN", "ZÜCHTE ZÜCHTEN", "ALLIANZ"};
    QList<QStringList> out;
    for (const char* entry : table) out << QString::fromUtf8(entry).split(QLatin1Char(' '));
    return out;
  }();
  return forms;
}

// Folded form → the keyword's folded first form.
const QHash<QString, QString>& keywordIndex() {
  static const QHash<QString, QString> index = [] {
    QHash<QString, QString> out;
    for (const QStringList& forms : keywordForms())
      for (const QString& f : forms) {
        out.insert(fold(f), fold(forms.first()));
        out.insert(f.toUpper(), fold(forms.first()));
      }
    return out;
  }();
  return index;
}

const QSet<QString> kExclusive = {
    QStringLiteral("NACH"),      QStringLiteral("ROUTE"),      QStringLiteral("FAHRE"),    QStringLiteral("ARBEITE"),
    QStringLiteral("UNTERHALTE"), QStringLiteral("TREIBE"),    QStringLiteral("FORSCHE"),  QStringLiteral("SPIONIERE"),
    QStringLiteral("BEKLAUE"),   QStringLiteral("SABOTIERE"),  QStringLiteral("LERNE"),    QStringLiteral("LEHRE"),
    QStringLiteral("ZUECHTE"),   QStringLiteral("PFLANZE"),    QStringLiteral("PIRATERIE"), QStringLiteral("MACHE"),
    QStringLiteral("PLUENDERE"), QStringLiteral("ZERSTOERE")};
const QSet<QString> kShared = {QStringLiteral("KAUFE"), QStringLiteral("VERKAUFE"), QStringLiteral("ZAUBERE")};

QSet<QString> folded(const QStringList& names) {
  QSet<QString> out;
  for (const QString& n : names) out.insert(fold(n));
  return out;
}

struct LongOrder {
  QString keyword;
  int line;
};

// One unit or TEMP unit whose long orders are being counted.
struct Actor {
  bool open = false;
  QString unit;
  int line = 0;
  QList<LongOrder> exclusive, shared;
};

struct Region {
  bool known = false;
  int x = 0, y = 0, z = 0;
};

class Checker {
 public:
  Checker(const Knowledge& k)
      : k_(k),
        items_(folded(k.items)),
        skills_(folded(k.skills)),
        luxuries_(folded(k.luxuries)),
        buildTypes_(folded(k.buildTypes)),
        directions_(folded(directions())) {}

  QList<Problem> run(const QStringList& lines);

 private:
  void add(Severity s, int line, const QString& text, const QString& unit) {
    Problem p{s, line, unit, text, region_.known, region_.x, region_.y, region_.z};
    problems_ << p;
  }
  void add(Severity s, int line, const QString& text) { add(s, line, text, currentUnit()); }
  QString currentUnit() const { return temp_.open ? temp_.unit : unit_.open ? unit_.unit : QString(); }
  Actor& actor() { return temp_.open ? temp_ : unit_; }
  void finish(Actor& a);
  void closeUnit(int line);
  void frame(const Line& l, const QString& text, int line);
  void order(const Line& l, int line);
  void checkUnitRef(const Line& l, int index, int line, int* consumed = nullptr);
  bool validId(const QString& text) const;
  void checkName(const QString& name, const QSet<QString>& set, int line, const QString& what,
                 Severity s = Severity::Fehler);
  static bool isNumber(const QString& s) {
    bool ok = false;
    s.toInt(&ok);
    return ok;
  }

  const Knowledge& k_;
  QSet<QString> items_, skills_, luxuries_, buildTypes_, directions_;
  QList<Problem> problems_;
  Actor unit_, temp_;
  Region region_;
  bool sawPartei_ = false, sawNaechster_ = false;
  QHash<qint32, int> unitLines_;   // unit → line of its first EINHEIT block
  QSet<QString> createdTemps_;     // folded ids of MACHE TEMP
  struct TempUse {
    QString id;
    int line;
    QString unit;
    Region region;
  };
  QList<TempUse> tempUses_;
};

bool Checker::validId(const QString& text) const {
  if (text.isEmpty() || text.size() > (k_.idBase == 36 ? 6 : 10)) return false;
  for (const QChar c : text) {
    if (c.isDigit()) continue;
    if (k_.idBase == 36 && c.unicode() < 128 && c.isLetter()) continue;
    return false;
  }
  return true;
}

void Checker::checkName(const QString& name, const QSet<QString>& set, int line, const QString& what, Severity s) {
  if (!set.contains(fold(name))) add(s, line, QStringLiteral("Unbekannte%1 „%2“.").arg(what, name));
}

void Checker::finish(Actor& a) {
  if (!a.open) return;
  a.open = false;
  if (a.exclusive.size() >= 2) {
    const LongOrder& first = a.exclusive.first();
    for (int i = 1; i < a.exclusive.size(); ++i)
      add(Severity::Fehler, a.exclusive.at(i).line,
          QStringLiteral("Zweiter langer Befehl %1 neben %2 in Zeile %3.")
              .arg(a.exclusive.at(i).keyword, first.keyword)
              .arg(first.line),
          a.unit);
  }
  if (!a.exclusive.isEmpty())
    for (const LongOrder& s : a.shared)
      add(Severity::Fehler, s.line,
          QStringLiteral("%1 neben dem langen Befehl %2 in Zeile %3.")
              .arg(s.keyword, a.exclusive.first().keyword)
              .arg(a.exclusive.first().line),
          a.unit);
  if (a.exclusive.isEmpty() && a.shared.isEmpty())
    add(Severity::Warnung, a.line, QStringLiteral("Die Einheit hat keinen langen Befehl."), a.unit);
}

void Checker::closeUnit(int line) {
  if (temp_.open) {
    add(Severity::Fehler, temp_.line, QStringLiteral("MACHE %1 ohne ENDE (bis Zeile %2).").arg(temp_.unit).arg(line),
        temp_.unit);
    finish(temp_);
  }
  finish(unit_);
}

void Checker::frame(const Line& l, const QString& text, int line) {
  closeUnit(line);
  switch (l.frame) {
    case Frame::Partei:
      sawPartei_ = true;
      // The same reading as the warning before saving and sending.
      if (templatepassword::passwordOf(text).trimmed().isEmpty())
        add(Severity::Fehler, line,
            QStringLiteral("Kein Passwort in der PARTEI-Zeile: der Server verwirft die ganzen Befehle."));
      break;
    case Frame::Region: {
      // "REGION x,y[,z]" or "REGION x y [z]"
      QStringList parts;
      for (int i = 0; i < l.argCount(); ++i) parts << l.arg(i).split(QLatin1Char(','), Qt::SkipEmptyParts);
      bool okX = false, okY = false;
      region_ = {};
      if (parts.size() >= 2) {
        region_.x = parts.at(0).toInt(&okX);
        region_.y = parts.at(1).toInt(&okY);
        region_.z = parts.size() >= 3 ? parts.at(2).toInt() : 0;
      }
      region_.known = okX && okY;
      if (!region_.known) add(Severity::Fehler, line, QStringLiteral("REGION ohne gültige Koordinaten."), QString());
      break;
    }
    case Frame::Einheit: {
      const QString id = l.arg(0);
      if (!validId(id)) {
        add(Severity::Fehler, line, QStringLiteral("EINHEIT ohne gültige Nummer."), QString());
        break;
      }
      unit_ = Actor{true, id, line, {}, {}};
      const qint32 nr = codec::Decode(id, k_.idBase);
      if (unitLines_.contains(nr))
        add(Severity::Warnung, line, QStringLiteral("Die Einheit steht schon in Zeile %1.").arg(unitLines_.value(nr)));
      else
        unitLines_.insert(nr, line);
      if (k_.unitsKnown && !k_.ownUnits.contains(nr))
        add(Severity::Warnung, line, QStringLiteral("Keine eigene Einheit der neuesten Runde."));
      break;
    }
    case Frame::Naechster:
      sawNaechster_ = true;
      region_ = {};
      break;
    case Frame::None:
      break;
  }
}

// A unit argument at argument `index`: "TEMP n", "0" or a unit id.
void Checker::checkUnitRef(const Line& l, int index, int line, int* consumed) {
  if (consumed) *consumed = 1;
  const QString first = l.arg(index);
  if (first.isEmpty()) {
    add(Severity::Fehler, line, QStringLiteral("%1 ohne Einheit.").arg(l.tokens.first().text.toUpper()));
    return;
  }
  if (fold(first) == QLatin1String("TEMP")) {
    if (consumed) *consumed = 2;
    const QString id = l.arg(index + 1);
    if (id.isEmpty()) {
      add(Severity::Fehler, line, QStringLiteral("TEMP ohne Nummer."));
      return;
    }
    tempUses_ << TempUse{fold(id), line, currentUnit(), region_};
    return;
  }
  if (!validId(first)) {
    add(Severity::Fehler, line, QStringLiteral("„%1“ ist keine Einheitennummer.").arg(first));
    return;
  }
  const qint32 nr = codec::Decode(first, k_.idBase);
  if (nr == 0 || !k_.unitsKnown) return;
  if (!k_.knownUnits.contains(nr)) add(Severity::Warnung, line, QStringLiteral("Die Einheit %1 ist nicht bekannt.").arg(first));
}

void Checker::order(const Line& l, int line) {
  const QString word = l.keyword();
  const auto hit = keywordIndex().constFind(word);
  if (hit == keywordIndex().constEnd()) {
    add(Severity::Fehler, line, QStringLiteral("Unbekannter Befehl „%1“.").arg(l.tokens.first().text));
    return;
  }
  const QString key = *hit;
  const QString a0 = fold(l.arg(0));

  if (key == QLatin1String("MACHE") && a0 == QLatin1String("TEMP")) {
    const QString id = l.arg(1);
    if (id.isEmpty()) {
      add(Severity::Fehler, line, QStringLiteral("MACHE TEMP ohne Nummer."));
      return;
    }
    if (temp_.open) {
      add(Severity::Fehler, temp_.line, QStringLiteral("MACHE %1 ohne ENDE (bis Zeile %2).").arg(temp_.unit).arg(line),
          temp_.unit);
      finish(temp_);
    }
    createdTemps_.insert(fold(id));
    temp_ = Actor{true, QStringLiteral("TEMP ") + id, line, {}, {}};
    return;
  }
  if (key == QLatin1String("ENDE")) {
    if (!temp_.open)
      add(Severity::Fehler, line, QStringLiteral("ENDE ohne MACHE TEMP."));
    else
      finish(temp_);
    return;
  }

  if (kExclusive.contains(key)) actor().exclusive << LongOrder{key, line};
  if (kShared.contains(key)) actor().shared << LongOrder{key, line};

  if (key == QLatin1String("NACH") || key == QLatin1String("ROUTE")) {
    if (l.argCount() == 0) add(Severity::Fehler, line, QStringLiteral("%1 ohne Richtung.").arg(key));
    for (int i = 0; i < l.argCount(); ++i) {
      const QString d = fold(l.arg(i));
      if (directions_.contains(d) || (key == QLatin1String("ROUTE") && d == QLatin1String("PAUSE"))) continue;
      add(Severity::Fehler, line, QStringLiteral("Ungültige Richtung „%1“.").arg(l.arg(i)));
    }
  } else if (key == QLatin1String("LERNE") || key == QLatin1String("VERGISS")) {
    const int at = key == QLatin1String("LERNE") && a0 == QLatin1String("AUTO") ? 1 : 0;
    if (l.arg(at).isEmpty())
      add(Severity::Fehler, line, QStringLiteral("%1 ohne Talent.").arg(key));
    else
      checkName(l.arg(at), skills_, line, QStringLiteral("s Talent"));
  } else if (key == QLatin1String("LEHRE")) {
    if (l.argCount() == 0) add(Severity::Fehler, line, QStringLiteral("LEHRE ohne Einheit."));
    for (int i = 0; i < l.argCount();) {
      int used = 1;
      checkUnitRef(l, i, line, &used);
      i += used;
    }
  } else if (key == QLatin1String("ATTACKIERE") || key == QLatin1String("KONTAKTIERE")) {
    checkUnitRef(l, 0, line);
  } else if (key == QLatin1String("FOLGE")) {
    if (a0 == QLatin1String("EINHEIT")) checkUnitRef(l, 1, line);
  } else if (key == QLatin1String("GIB")) {
    int used = 1;
    checkUnitRef(l, 0, line, &used);
    int at = used;
    const QString amount = fold(l.arg(at));
    if (isNumber(amount) || amount == QLatin1String("ALLES")) ++at;
    const QString item = l.arg(at);
    const QString f = fold(item);
    if (!item.isEmpty() && f != QLatin1String("PERSONEN") && f != QLatin1String("EINHEIT"))
      checkName(item, items_, line, QStringLiteral("r Gegenstand"));
  } else if (key == QLatin1String("RESERVIERE")) {
    const int at = isNumber(l.arg(0)) || a0 == QLatin1String("ALLES") ? 1 : 0;
    if (l.arg(at).isEmpty())
      add(Severity::Fehler, line, QStringLiteral("RESERVIERE ohne Gegenstand."));
    else
      checkName(l.arg(at), items_, line, QStringLiteral("r Gegenstand"));
  } else if (key == QLatin1String("KAUFE") || key == QLatin1String("VERKAUFE")) {
    const int at = isNumber(l.arg(0)) || a0 == QLatin1String("ALLES") ? 1 : 0;
    if (l.arg(at).isEmpty())
      add(Severity::Fehler, line, QStringLiteral("%1 ohne Luxusgut.").arg(key));
    else
      checkName(l.arg(at), luxuries_, line, QStringLiteral("s Luxusgut"));
  } else if (key == QLatin1String("MACHE")) {
    const int at = isNumber(l.arg(0)) ? 1 : 0;
    const QString what = fold(l.arg(at));
    if (what == QLatin1String("STRASSE")) {
      if (!directions_.contains(fold(l.arg(at + 1))))
        add(Severity::Fehler, line, QStringLiteral("Ungültige Richtung „%1“.").arg(l.arg(at + 1)));
    } else if (!what.isEmpty() && !items_.contains(what) && !buildTypes_.contains(what) &&
               what != QLatin1String("BURG") && what != QLatin1String("SCHIFF") && what != QLatin1String("GEBAEUDE")) {
      // Buildings and ships are known only as far as the tables saw them.
      add(Severity::Warnung, line, QStringLiteral("Unbekannter Gegenstand, Gebäude- oder Schiffstyp „%1“.").arg(l.arg(at)));
    }
  }
}

QList<Problem> Checker::run(const QStringList& lines) {
  for (int i = 0; i < lines.size(); ++i) {
    const int number = i + 1;
    const Line l = orderparse::parseLine(lines.at(i));
    if (l.unclosedQuote) add(Severity::Fehler, number, QStringLiteral("Nicht geschlossenes Anführungszeichen."));
    if (sawNaechster_ && l.kind != LineKind::Empty && l.kind != LineKind::Comment) continue;
    if (l.kind == LineKind::Frame) {
      frame(l, lines.at(i), number);
    } else if (l.kind == LineKind::Order) {
      order(l, number);
    }
  }
  closeUnit(int(lines.size()));
  for (const TempUse& use : tempUses_)
    if (!createdTemps_.contains(use.id))
      problems_ << Problem{Severity::Fehler, use.line, use.unit,
                           QStringLiteral("TEMP %1 wird nirgends mit MACHE TEMP angelegt.").arg(use.id.toLower()),
                           use.region.known, use.region.x, use.region.y, use.region.z};
  if (!sawPartei_)
    problems_ << Problem{Severity::Fehler, 1, QString(),
                         QStringLiteral("Die Befehle beginnen nicht mit einer PARTEI-Zeile mit Passwort."), false, 0, 0, 0};
  if (!sawNaechster_)
    problems_ << Problem{Severity::Warnung, int(lines.size()), QString(),
                         QStringLiteral("Die Befehle enden nicht mit NAECHSTER."), false, 0, 0, 0};
  std::stable_sort(problems_.begin(), problems_.end(),
                   [](const Problem& a, const Problem& b) { return a.line < b.line; });
  return problems_;
}

}  // namespace

QList<Problem> check(const QStringList& lines, const Knowledge& knowledge) {
  Checker c(knowledge);
  return c.run(lines);
}

bool hasError(const QList<Problem>& problems) {
  return std::any_of(problems.begin(), problems.end(), [](const Problem& p) { return p.severity == Severity::Fehler; });
}

QString severityText(Severity s) { return s == Severity::Fehler ? QStringLiteral("Fehler") : QStringLiteral("Warnung"); }

QString problemLine(const Problem& p) {
  QString out = QStringLiteral("Zeile %1: %2: ").arg(p.line).arg(severityText(p.severity));
  if (!p.unit.isEmpty()) out += QStringLiteral("EINHEIT ") + p.unit + QStringLiteral(": ");
  return out + p.text;
}

const QStringList& keywords() {
  static const QStringList list = [] {
    QStringList out;
    for (const QStringList& forms : keywordForms()) out << forms.first();
    out << QStringLiteral("MACHE TEMP");
    out.sort();
    return out;
  }();
  return list;
}

bool isKeyword(const QString& word) { return keywordIndex().contains(fold(word)); }

const QStringList& directions() {
  static const QStringList list = {QStringLiteral("NW"),        QStringLiteral("NO"),        QStringLiteral("O"),
                                   QStringLiteral("SO"),        QStringLiteral("SW"),        QStringLiteral("W"),
                                   QStringLiteral("Nordwesten"), QStringLiteral("Nordosten"), QStringLiteral("Osten"),
                                   QStringLiteral("Südosten"),  QStringLiteral("Südwesten"), QStringLiteral("Westen")};
  return list;
}

}  // namespace orderscheck
