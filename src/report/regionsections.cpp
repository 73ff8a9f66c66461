#include "report/regionsections.h"

#include "game/textutil.h"
#include "db/table.h"
#include "report/importerror.h"
#include "report/importstate.h"
#include "report/reportlines.h"

namespace regionsections {

namespace {

using reportlines::contains;

// The sections of a region block, each opened by its header line.
enum class Section { None, Prices, Resources, Borders, Surroundings, Passing, Effects, Messages, Events, Comments, News,
                     Letters };

// The section that `line` opens; None for every other line. Value lines
// open nothing, whatever they hold.
Section sectionAt(const QString& line) {
  if (reportlines::isValue(line) || !reportlines::mayHoldKeyword(line)) return Section::None;
  if (contains(line, u"PREISE")) return Section::Prices;
  if (contains(line, u"RESOURCE ")) return Section::Resources;
  if (contains(line, u"GRENZE ")) return Section::Borders;
  if (contains(line, u"UMGEBUNG")) return Section::Surroundings;
  // A DURCHREISEREGION header begins a block of its own, not a list of travellers.
  if ((contains(line, u"DURCHREISE") && !line.startsWith(u"DURCHREISEREGION")) ||
      contains(line, u"DURCHSCHIFFUNG"))
    return Section::Passing;
  if (line.startsWith(u"EFFECTS")) return Section::Effects;
  if (line.startsWith(u"MESSAGE ")) return Section::Messages;
  if (contains(line, u"REGIONSEREIGNISSE")) return Section::Events;
  if (contains(line, u"REGIONSKOMMENTAR")) return Section::Comments;
  if (contains(line, u"REGIONSNACHRICHTEN")) return Section::News;
  if (contains(line, u"REGIONSBOTSCHAFTEN")) return Section::Letters;
  return Section::None;
}

// The line begins the next block: a unit, building, ship, region or a
// top-level block. (A region text header contains "REGION" too, but opens a
// section of this block.)
bool endsRegionBlock(const QString& line) {
  if (reportlines::isValue(line) || !reportlines::mayHoldKeyword(line)) return false;
  if (sectionAt(line) != Section::None) return false;
  return line.startsWith(u"EINHEIT") || contains(line, u"BURG") || contains(line, u"REGION") ||
         contains(line, u"SCHIFF") || contains(line, u"MESSAGETYPE ") || reportlines::isTopLevelBlock(line);
}

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
    {u";Rekruten", u"Rekrutieren"}, {u";maxLuxus", u"Luxusgüter"}, {u";Lohn", u"Arbeitslohn"},
    {u";Schoesslinge", u"Schoesslinge"}};

constexpr KeyField kPrices[] = {{u";Balsam", u"Balsam"}, {u";Gewürz", u"Gewuerz"}, {u";Juwel", u"Juwel"},
                                {u";Myrrhe", u"Myrrhe"}, {u";Öl", u"Oel"},          {u";Seide", u"Seide"},
                                {u";Weihrauch", u"Weihrauch"}};

// Resources whose amount stands on the next line, and those where a skill
// line may stand between name and amount.
constexpr KeyField kNearResources[] = {{u"Bäume", u"Holzstämme"},
                                       {u"Mallorn", u"Mallorn"},
                                       {u"Schößlinge", u"Schoesslinge"},
                                       {u"Mallornschößlinge", u"Schoesslinge"},
                                       {u"Silber", u"VermögenBauern"}};
constexpr KeyField kFarResources[] = {{u"Steine", u"Steine"}, {u"Eisen", u"Eisen"}, {u"Laen", u"Lean"}};

constexpr QStringView kRoadFields[] = {u"Strasse",  u"Strasse1", u"Strasse2",
                                       u"Strasse3", u"Strasse4", u"Strasse5"};

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
QString inner(const QString& line) {
  return line.size() < 2 ? QString() : reportlines::unescape(QStringView(line).mid(1, line.size() - 2));
}

// Runs `perLine` on every line after the section header up to the next
// section or block or the end of the report; leaves the current line on the
// line that stopped it. Further headers of the section's own kind (a run of
// RESOURCE, GRENZE or MESSAGE blocks) stay in the loop and are handed to
// `perLine` as well; text sections have no such kind and end at every header.
template <typename PerLine>
void sectionLoop(ImportState& state, Section own, PerLine&& perLine) {
  ++state.currentLine;
  while (!state.atEnd()) {
    const QString& line = state.line();
    const Section at = sectionAt(line);
    if ((at != Section::None && at != own) || endsRegionBlock(line)) break;
    perLine(line);
    ++state.currentLine;
  }
}

void readPrices(ImportState& state, Table& row) {
  sectionLoop(state, Section::Prices, [&](const QString& line) {
    for (const KeyField& price : kPrices)
      if (contains(line, price.key)) row.setValue(field(price.field), currentNumber(state));
  });
}

// Takes the amount of a resource from line `index` when that line has one.
bool amountAt(const ImportState& state, int index, qint32& amount) {
  if (!state.lineAt(index).contains(u";number")) return false;
  amount = numberAt(state, index);
  return true;
}

void readResources(ImportState& state, Table& row) {
  sectionLoop(state, Section::Resources, [&](const QString& line) {
    if (!line.startsWith(QLatin1Char('"'))) return;
    const qsizetype end = line.indexOf(u"\";type");
    if (end < 1) return;
    const QStringView name = QStringView(line).mid(1, end - 1);
    const int here = state.currentLine;
    for (const KeyField& resource : kNearResources) {
      if (name != resource.key) continue;
      qint32 amount = -1;
      amountAt(state, here + 1, amount);
      // In a region whose trees are mallorn (";Mallorn" 1) the mallorn
      // resource counts its trees; the mark stays.
      QString target = field(resource.field);
      if (resource.field == u"Mallorn" && row.intValue(QStringLiteral("Mallorn")) == 1)
        target = QStringLiteral("Holzstämme");
      row.setValue(target, amount);
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
  sectionLoop(state, Section::Borders, [&](const QString& line) {
    if (contains(line, u"\"Straße\";typ")) road = true;
    if (contains(line, u";richtung")) direction = currentNumber(state);
    if (road && contains(line, u";prozent")) {
      const qint32 percent = currentNumber(state);
      if (direction >= 0 && direction < int(std::size(kRoadFields))) row.setValue(field(kRoadFields[direction]), percent);
      direction = -1;
      road = false;
    }
  });
}

// `first`: the region's first surroundings section, which starts the text
// afresh unless it holds this round's battle marker; a later one goes on.
void readSurroundings(RegionContext& region, bool first) {
  ImportState& state = region.state;
  const QString marker = QStringLiteral("in Runde ") + QString::number(state.game.roundCode);
  QString text = region.row.text(QStringLiteral("Umgebung"));
  if (first && !text.contains(marker)) text = QStringLiteral(" ");
  sectionLoop(state, Section::Surroundings, [&](const QString& line) {
    if (sectionAt(line) == Section::Surroundings) return;  // a second header is no surrounding
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
  sectionLoop(state, Section::Passing, [&](const QString& line) {
    report << line;
    // A following DURCHREISE or DURCHSCHIFFUNG header is no traveller.
    if (region.ocean && sectionAt(line) != Section::Passing)
      state.pages.regionMessages << inner(line);
  });
  report << QString();
}

void readEffects(ImportState& state) {
  sectionLoop(state, Section::Effects, [&](const QString& line) {
    if (sectionAt(line) != Section::Effects) state.pages.regionMessages << inner(line);
  });
}

void readMessages(ImportState& state) {
  sectionLoop(state, Section::Messages, [&](const QString& line) {
    qsizetype end = line.indexOf(u";rendered");
    if (end < 0) return;
    if (end > 0 && line.at(end - 1) == QLatin1Char('"')) --end;
    state.pages.regionMessages << (end > 1 ? reportlines::unescape(QStringView(line).mid(1, end - 1)) : QString());
  });
}

// One of the four region text sections into the page "Botschaften".
void readRegionText(RegionContext& region, const QString& heading, bool indent) {
  ImportState& state = region.state;
  QStringList& page = state.pages.botschaften;
  page << heading + region.name + QStringLiteral(" (") + region.position + QStringLiteral(") :");
  sectionLoop(state, Section::None, [&](const QString& line) {
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
  // Lines after a nested block header (SCHEMEN, ...) belong to that block: a
  // scheme's ";Name" is not the region's name.
  bool nested = false;
  while (!state.atEnd()) {
    const QString& line = state.line();
    if (!nested && !line.isEmpty() && line.at(0) >= QLatin1Char('A') && line.at(0) <= QLatin1Char('Z')) nested = true;
    // Every key begins with ";" or with the quote before it, so none starts
    // before the first ";" less one.
    const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
    if (!nested && semicolon >= 0) {
      const QStringView keys = QStringView(line).mid(semicolon > 0 ? semicolon - 1 : 0);
      for (const KeyField& attribute : kTextAttributes)
        if (contains(keys, attribute.key)) row.setValue(field(attribute.field), ImportState::textValue(line));
      // A quoted text is never a number, whatever it contains.
      if (!reportlines::isValue(line))
        for (const KeyField& attribute : kNumberAttributes)
          if (contains(keys, attribute.key)) row.setValue(field(attribute.field), currentNumber(state));
    }
    ++state.currentLine;
    if (state.atEnd()) break;
    const QString& next = state.line();
    if (sectionAt(next) != Section::None || endsRegionBlock(next)) break;
  }
}

void readRegionSections(RegionContext& region) {
  ImportState& state = region.state;
  Table& row = region.row;
  // The sections are read wherever they stand and in any order: every
  // section loop ends at the next section header, and the block ends at the
  // next block.
  bool surroundingsStarted = false;
  while (!state.atEnd()) {
    switch (sectionAt(state.line())) {
      case Section::Prices: readPrices(state, row); break;
      case Section::Resources: readResources(state, row); break;
      case Section::Borders: readBorders(state, row); break;
      case Section::Surroundings:
        readSurroundings(region, !surroundingsStarted);
        surroundingsStarted = true;
        break;
      case Section::Passing: readPassingThrough(region); break;
      case Section::Effects: readEffects(state); break;
      case Section::Messages: readMessages(state); break;
      case Section::Events: readRegionText(region, QStringLiteral("Ereignisse in "), false); break;
      case Section::Comments: readRegionText(region, QStringLiteral("Ereignisse in "), false); break;
      case Section::News: readRegionText(region, QStringLiteral("Ereignisse in "), false); break;
      case Section::Letters: readRegionText(region, QStringLiteral("Botschaften an Region "), true); break;
      case Section::None: return;  // the next block, or a line no section of a region opens
    }
  }
}

}  // namespace regionsections
