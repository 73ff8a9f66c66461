#include "report/regionsections.h"

#include "app/textutil.h"
#include "db/table.h"
#include "report/importerror.h"
#include "report/importstate.h"

namespace regionsections {

namespace {

// Stop keys of the loops. Every section loop also stops at a line that
// starts with "EINHEIT" (see endsSection); the attribute loop at one that
// merely contains it.
constexpr QStringView kAttributeStops[] = {u"PREISE", u"DURCHREISE", u"REGION",  u"BURG",
                                           u"EINHEIT", u"MESSAGE ",  u"SCHIFF", u"MESSAGETYPE "};
constexpr QStringView kPriceStops[] = {u"RESOURCE", u"BURG",       u"REGION",       u"SCHIFF", u"MESSAGE",
                                       u"UMGEBUNG", u"DURCHREISE", u"MESSAGETYPE ", u"GRENZE "};
constexpr QStringView kResourceStops[] = {u"BURG",       u"REGION",       u"SCHIFF",  u"MESSAGE",
                                          u"UMGEBUNG",   u"DURCHREISE",   u"MESSAGETYPE ", u"GRENZE "};
constexpr QStringView kBorderStops[] = {u"BURG",     u"REGION",     u"SCHIFF",      u"MESSAGE",
                                        u"UMGEBUNG", u"DURCHREISE", u"MESSAGETYPE "};
constexpr QStringView kSurroundingStops[] = {u"BURG", u"REGION", u"SCHIFF", u"DURCHREISE", u"MESSAGETYPE "};
constexpr QStringView kPassingStops[] = {u"BURG", u"REGION", u"SCHIFF", u"MESSAGE ", u"MESSAGETYPE "};
constexpr QStringView kEffectStops[] = {u"BURG",     u"REGION",      u"SCHIFF",
                                        u"DURCHREISE", u"MESSAGE ", u"MESSAGETYPE "};
constexpr QStringView kMessageStops[] = {u"BURG", u"REGION", u"SCHIFF", u"DURCHREISE", u"MESSAGETYPE "};
constexpr QStringView kTextStops[] = {u"BURG", u"REGION", u"SCHIFF", u"MESSAGETYPE "};

struct KeyField {
  QStringView key;
  QStringView field;
};

constexpr KeyField kTextAttributes[] = {
    {u"\";Name", u"Regionname"}, {u"\";Terrain", u"Regiontyp"}, {u"\";Beschr", u"Beschreibung"}};

constexpr KeyField kNumberAttributes[] = {
    {u";Baeume", u"Holzstämme"}, {u";Mallorn", u"Mallorn"},       {u";Laen", u"Lean"},
    {u";Eisen", u"Eisen"},       {u";Bauern", u"Bauern"},         {u";Silber", u"VermögenBauern"},
    {u";Pferde", u"Pferde"},     {u";Strasse", u"Strasse"},       {u";Unterh", u"Unterhaltung max"},
    {u";Rekruten", u"Rekrutieren"}, {u";maxLuxus", u"Luxusgüter"}, {u";Lohn", u"Arbeitslohn"}};

constexpr KeyField kPrices[] = {{u";Balsam", u"Balsam"}, {u";Gewürz", u"Gewuerz"}, {u";Juwel", u"Juwel"},
                                {u";Myrrhe", u"Myrrhe"}, {u";Öl", u"Oel"},          {u";Seide", u"Seide"},
                                {u";Weihrauch", u"Weihrauch"}};

// Resources whose amount stands on the next line, and those where a skill
// line may stand between name and amount.
constexpr KeyField kNearResources[] = {
    {u"Bäume", u"Holzstämme"}, {u"Mallorn", u"Mallorn"}, {u"Schößlinge", u"Schoesslinge"}};
constexpr KeyField kFarResources[] = {{u"Steine", u"Steine"}, {u"Eisen", u"Eisen"}, {u"Laen", u"Lean"}};

constexpr QStringView kRoadFields[] = {u"Strasse",  u"Strasse1", u"Strasse2",
                                       u"Strasse3", u"Strasse4", u"Strasse5"};

// True when a section loop must stop before `line`: it starts with
// "EINHEIT" or contains one of `keys`.
template <size_t N>
bool endsSection(const QString& line, const QStringView (&keys)[N]) {
  if (line.startsWith(u"EINHEIT")) return true;
  for (const QStringView key : keys)
    if (line.contains(key)) return true;
  return false;
}

bool endsAttributes(const QString& line) {
  for (const QStringView key : kAttributeStops)
    if (line.contains(key)) return true;
  return false;
}

// The strict number before the first ";" of report line `index`; the import
// error names that line, which need not be the current one.
qint32 numberAt(const ImportState& state, int index);

// The separator the surroundings lines are joined with.
constexpr QChar kSurroundingSeparator(0x16);

// A field name of the tables above as a QString, without copying it.
QString field(QStringView name) { return QString::fromRawData(name.data(), name.size()); }

// The text before the first ";" as a view (empty when there is none).
QStringView numberView(const QString& line) {
  const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
  return semicolon < 0 ? QStringView() : QStringView(line).left(semicolon);
}

qint32 currentNumber(const ImportState& state) { return state.toNumber(numberView(state.line())); }

// A quoted line without its first and last character.
QString inner(const QString& line) { return line.size() < 2 ? QString() : line.mid(1, line.size() - 2); }

// Runs `perLine` on every line after the section header up to a stop key or
// the end of the report; leaves the current line on the line that stopped it.
template <size_t N, typename PerLine>
void sectionLoop(ImportState& state, const QStringView (&stops)[N], PerLine&& perLine) {
  ++state.currentLine;
  while (!state.atEnd()) {
    const QString& line = state.line();
    if (endsSection(line, stops)) break;
    perLine(line);
    ++state.currentLine;
  }
}

void readPrices(ImportState& state, Table& row) {
  sectionLoop(state, kPriceStops, [&](const QString& line) {
    for (const KeyField& price : kPrices)
      if (line.contains(price.key)) row.setValue(field(price.field), currentNumber(state));
  });
}

// Takes the amount of a resource from line `index` when that line has one.
bool amountAt(const ImportState& state, int index, qint32& amount) {
  if (!state.lineAt(index).contains(u";number")) return false;
  amount = numberAt(state, index);
  return true;
}

void readResources(ImportState& state, Table& row) {
  sectionLoop(state, kResourceStops, [&](const QString& line) {
    if (!line.startsWith(QLatin1Char('"'))) return;
    const qsizetype end = line.indexOf(u"\";type");
    if (end < 1) return;
    const QStringView name = QStringView(line).mid(1, end - 1);
    const int here = state.currentLine;
    for (const KeyField& resource : kNearResources) {
      if (name != resource.key) continue;
      qint32 amount = -1;
      amountAt(state, here + 1, amount);
      row.setValue(field(resource.field), amount);
      return;
    }
    for (const KeyField& resource : kFarResources) {
      if (name != resource.key) continue;
      qint32 amount = -1;
      if (!amountAt(state, here + 1, amount)) amountAt(state, here + 2, amount);
      row.setValue(field(resource.field), amount);
      return;
    }
  });
}

void readBorders(ImportState& state, Table& row) {
  int direction = -1;
  bool road = false;
  sectionLoop(state, kBorderStops, [&](const QString& line) {
    if (line.contains(u"\"Straße\";typ")) road = true;
    if (line.contains(u";richtung")) direction = currentNumber(state);
    if (road && line.contains(u";prozent")) {
      const qint32 percent = currentNumber(state);
      if (direction >= 0 && direction < int(std::size(kRoadFields))) row.setValue(field(kRoadFields[direction]), percent);
      direction = -1;
      road = false;
    }
  });
}

void readSurroundings(RegionContext& region) {
  ImportState& state = region.state;
  const QString marker = QStringLiteral("in Runde ") + QString::number(state.game.roundCode);
  QString text = region.row.text(QStringLiteral("Umgebung"));
  if (!text.contains(marker)) text = QStringLiteral(" ");
  sectionLoop(state, kSurroundingStops, [&](const QString& line) {
    text += inner(line);
    text += kSurroundingSeparator;
  });
  region.row.setValue(QStringLiteral("Umgebung"), text);
}

void readPassingThrough(RegionContext& region) {
  ImportState& state = region.state;
  QStringList& report = state.pages.geheimdienst;
  report << QStringLiteral("Unsere Leute in ") + region.name + QStringLiteral(" (") + region.position +
                QStringLiteral(") haben folgendes beobachtet:");
  sectionLoop(state, kPassingStops, [&](const QString& line) {
    report << line;
    // A following DURCHREISE or DURCHSCHIFFUNG header is no traveller.
    if (region.ocean && !line.startsWith(u"DURCHREISE") && !line.startsWith(u"DURCHSCHIFFUNG"))
      state.pages.regionMessages << inner(line);
  });
  report << QString();
}

void readEffects(ImportState& state) {
  sectionLoop(state, kEffectStops, [&](const QString& line) { state.pages.regionMessages << inner(line); });
}

void readMessages(ImportState& state) {
  sectionLoop(state, kMessageStops, [&](const QString& line) {
    qsizetype end = line.indexOf(u";rendered");
    if (end < 0) return;
    if (end > 0 && line.at(end - 1) == QLatin1Char('"')) --end;
    state.pages.regionMessages << (end > 1 ? line.mid(1, end - 1) : QString());
  });
}

// One of the four region text sections into the page "Botschaften".
void readRegionText(RegionContext& region, const QString& heading, bool indent) {
  ImportState& state = region.state;
  QStringList& page = state.pages.botschaften;
  page << heading + region.name + QStringLiteral(" (") + region.position + QStringLiteral(") :");
  sectionLoop(state, kTextStops, [&](const QString& line) {
    page << (indent ? QStringLiteral("    ") + line : line);
  });
  page << QString();
}

qint32 numberAt(const ImportState& state, int index) {
  const QString& line = state.lineAt(index);
  const QStringView text = numberView(line);
  if (const auto value = textutil::strictInt(text)) return *value;
  throw ImportError(QStringLiteral("„%1“ ist keine gültige ganze Zahl.").arg(text.toString()), index, line);
}

}  // namespace

void readAttributes(ImportState& state, Table& row) {
  // Lines after a nested block header (SCHEMEN, RESOURCE, GRENZE, ...) belong
  // to that block: a scheme's ";Name" is not the region's name.
  bool nested = false;
  while (!state.atEnd()) {
    const QString& line = state.line();
    if (!nested && !line.isEmpty() && line.at(0) >= QLatin1Char('A') && line.at(0) <= QLatin1Char('Z')) nested = true;
    if (!nested) {
      for (const KeyField& attribute : kTextAttributes)
        if (line.contains(attribute.key)) row.setValue(field(attribute.field), ImportState::textValue(line));
      // A quoted text is never a number, whatever it contains.
      if (!line.startsWith(QLatin1Char('"')))
        for (const KeyField& attribute : kNumberAttributes)
          if (line.contains(attribute.key)) row.setValue(field(attribute.field), currentNumber(state));
    }
    ++state.currentLine;
    if (state.atEnd() || endsAttributes(state.line())) break;
  }
}

void readRegionSections(RegionContext& region) {
  ImportState& state = region.state;
  Table& row = region.row;
  // Each section is only looked for after the ones before it.
  if (state.line().contains(u"PREISE")) readPrices(state, row);
  if (state.line().contains(u"RESOURCE ")) readResources(state, row);
  if (state.line().contains(u"GRENZE ")) readBorders(state, row);
  if (state.line().contains(u"UMGEBUNG")) readSurroundings(region);
  // A DURCHREISEREGION header begins a block of its own, not a list of travellers.
  const QString& passing = state.line();
  if ((passing.contains(u"DURCHREISE") && !passing.startsWith(u"DURCHREISEREGION")) ||
      passing.contains(u"DURCHSCHIFFUNG"))
    readPassingThrough(region);
  if (state.line().startsWith(u"EFFECTS")) readEffects(state);
  if (state.line().startsWith(u"MESSAGE ")) readMessages(state);
  if (state.line().contains(u"REGIONSEREIGNISSE"))
    readRegionText(region, QStringLiteral("Ereignisse in "), false);
  if (state.line().contains(u"REGIONSKOMMENTAR"))
    readRegionText(region, QStringLiteral("Ereignisse in "), false);
  if (state.line().contains(u"REGIONSNACHRICHTEN"))
    readRegionText(region, QStringLiteral("Ereignisse in "), false);
  if (state.line().contains(u"REGIONSBOTSCHAFTEN"))
    readRegionText(region, QStringLiteral("Botschaften an Region "), true);
}

}  // namespace regionsections
