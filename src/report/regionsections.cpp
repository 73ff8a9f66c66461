#include "report/regionsections.h"

#include "db/table.h"
#include "report/importstate.h"
#include "report/reportblock.h"
#include "report/reportlines.h"
#include "report/sectionlines.h"

namespace regionsections {

namespace {

using reportlines::contains;
using L = QLatin1StringView;

// The sections of a region block, each opened by its header line.
enum class Section { None, Prices, Resources, Borders, Surroundings, Passing, Effects, Messages, Events, Comments, News,
                     Letters };

// The section that header `line` opens; None for every other header.
Section sectionAt(QStringView line) {
  if (!reportlines::mayHoldKeyword(line)) return Section::None;
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

struct KeyField {
  QStringView key;
  QStringView field;
};

constexpr KeyField kTextAttributes[] = {
    {u"Name", u"Regionname"}, {u"Terrain", u"Regiontyp"}, {u"Beschr", u"Beschreibung"}};

constexpr KeyField kNumberAttributes[] = {
    {u"Baeume", u"Holzstämme"},   {u"Mallorn", u"Mallorn"},     {u"Laen", u"Lean"},
    {u"Eisen", u"Eisen"},         {u"Bauern", u"Bauern"},       {u"Silber", u"VermögenBauern"},
    {u"Pferde", u"Pferde"},       {u"Strasse", u"Strasse"},     {u"Unterh", u"Unterhaltung max"},
    {u"Rekruten", u"Rekrutieren"}, {u"maxLuxus", u"Luxusgüter"}, {u"Lohn", u"Arbeitslohn"},
    {u"Schoesslinge", u"Schoesslinge"}};

constexpr KeyField kPrices[] = {{u"Balsam", u"Balsam"}, {u"Gewürz", u"Gewuerz"}, {u"Juwel", u"Juwel"},
                                {u"Myrrhe", u"Myrrhe"}, {u"Öl", u"Oel"},          {u"Seide", u"Seide"},
                                {u"Weihrauch", u"Weihrauch"}};

// Resources whose amount stands on the line after the type, and those where
// a skill line may stand between type and amount.
struct ResourceField {
  QStringView name;
  QStringView field;
};
constexpr ResourceField kNearResources[] = {{u"Bäume", u"Holzstämme"},
                                            {u"Mallorn", u"Mallorn"},
                                            {u"Schößlinge", u"Schoesslinge"},
                                            {u"Mallornschößlinge", u"Schoesslinge"},
                                            {u"Silber", u"VermögenBauern"}};
constexpr ResourceField kFarResources[] = {{u"Steine", u"Steine"}, {u"Eisen", u"Eisen"}, {u"Laen", u"Lean"}};

constexpr QStringView kRoadFields[] = {u"Strasse",  u"Strasse1", u"Strasse2",
                                       u"Strasse3", u"Strasse4", u"Strasse5"};

// The separator the surroundings lines are joined with.
constexpr QChar kSurroundingSeparator(0x16);

// A field name of the tables above as a QString, without copying it.
QString field(QStringView name) { return QString::fromRawData(name.data(), name.size()); }

// A quoted line without its first and last character.
QString inner(const QString& line) {
  return line.size() < 2 ? QString() : reportlines::unescape(QStringView(line).mid(1, line.size() - 2));
}

// The entry with key `key` whose line is `index`, or null.
const BlockEntry* entryAt(const BlockPart& part, L key, int index) {
  for (const BlockEntry& e : part.entries)
    if (e.index == index && e.key == key) return &e;
  return nullptr;
}

void readPrices(ImportState& state, Table& row, const BlockPart& part) {
  for (const BlockEntry& e : part.entries)
    for (const KeyField& price : kPrices)
      if (e.key == price.key) row.setValue(field(price.field), state.numberAt(e.index));
}

// The amount of a resource block. After its type the amount stands on the
// next line (on one of the next two for the mined resources, where a skill
// line may stand between); an amount given before the type is the block's too.
qint32 resourceAmount(const ImportState& state, const BlockPart& part, const BlockEntry& type, bool far) {
  if (const BlockEntry* e = entryAt(part, L("number"), type.index + 1)) return state.numberAt(e->index);
  if (far)
    if (const BlockEntry* e = entryAt(part, L("number"), type.index + 2)) return state.numberAt(e->index);
  for (const BlockEntry& e : part.entries)
    if (e.key == L("number") && e.index < type.index) return state.numberAt(e.index);
  return -1;
}

// `mallornTrees`: the region's trees are mallorn (";Mallorn" 1); its
// mallorn resource then counts the trees, and the mark stays.
void readResource(ImportState& state, Table& row, const BlockPart& part, bool mallornTrees) {
  const BlockEntry* type = part.first(L("type"));
  if (!type || !reportlines::isValue(type->value) || type->value.size() < 3) return;
  const QStringView name = type->value.mid(1, type->value.size() - 2);
  for (const ResourceField& resource : kNearResources) {
    if (name != resource.name) continue;
    const qint32 amount = resourceAmount(state, part, *type, false);
    const bool trees = resource.field == u"Mallorn" && mallornTrees;
    row.setValue(trees ? QStringLiteral("Holzstämme") : field(resource.field), amount);
    return;
  }
  for (const ResourceField& resource : kFarResources) {
    if (name != resource.name) continue;
    row.setValue(field(resource.field), resourceAmount(state, part, *type, true));
    return;
  }
}

// A border stores the completion of its road in the field of its direction.
void readBorder(ImportState& state, Table& row, const BlockPart& part) {
  bool road = false;
  int direction = -1;
  const BlockEntry* percent = nullptr;
  for (const BlockEntry& e : part.entries) {
    if (e.key == L("typ") && e.value == u"\"Straße\"") road = true;
    if (e.key == L("richtung")) direction = state.numberAt(e.index);
    if (e.key == L("prozent")) percent = &e;
  }
  if (!road || !percent) return;
  const qint32 value = state.numberAt(percent->index);
  if (direction >= 0 && direction < int(std::size(kRoadFields))) row.setValue(field(kRoadFields[direction]), value);
}

// `first`: the region's first surroundings section, which starts the text
// afresh unless it holds this round's battle marker; a later one goes on.
void readSurroundings(RegionContext& region, const BlockPart& part, bool first) {
  ImportState& state = region.state;
  QString text = region.row.text(QStringLiteral("Umgebung"));
  if (first && !text.contains(QStringLiteral("in Runde ") + QString::number(state.game.roundCode)))
    text = QStringLiteral(" ");
  for (int i = part.headerIndex + 1; i < part.endIndex; ++i) {
    text += inner(state.lineAt(i));
    text += kSurroundingSeparator;
  }
  region.row.setValue(QStringLiteral("Umgebung"), text);
}

// A run of passing-through sections under one heading; the header of a
// following one in the run is listed as it stands.
void readPassingThrough(RegionContext& region, const BlockPart* begin, const BlockPart* end) {
  ImportState& state = region.state;
  QStringList& report = state.pages.geheimdienst;
  report << QStringLiteral("Unsere Leute in ") + region.name + QStringLiteral(" (") + region.position +
                QStringLiteral(") haben folgendes beobachtet:");
  for (const BlockPart* part = begin; part != end; ++part) {
    if (part != begin) report << part->header.toString();
    for (int i = part->headerIndex + 1; i < part->endIndex; ++i) {
      const QString& line = state.lineAt(i);
      report << line;
      // At sea the travellers are region messages as well.
      if (region.ocean) state.pages.regionMessages << inner(line);
    }
  }
  report << QString();
}

void readEffects(ImportState& state, const BlockPart& part) {
  for (int i = part.headerIndex + 1; i < part.endIndex; ++i) state.pages.regionMessages << inner(state.lineAt(i));
}

void readMessage(ImportState& state, const BlockPart& part) {
  for (const BlockEntry& e : part.entries) {
    if (e.key != L("rendered")) continue;
    qsizetype end = e.value.size();
    if (end > 0 && e.value.at(end - 1) == u'"') --end;
    state.pages.regionMessages << (end > 1 ? reportlines::unescape(e.value.mid(1, end - 1)) : QString());
  }
}

// One of the four region text sections into the page "Botschaften".
void readRegionText(RegionContext& region, const BlockPart& part, const QString& heading, bool indent) {
  ImportState& state = region.state;
  QStringList& page = state.pages.botschaften;
  page << heading + region.name + QStringLiteral(" (") + region.position + QStringLiteral(") :");
  for (int i = part.headerIndex + 1; i < part.endIndex; ++i)
    page << (indent ? QStringLiteral("    ") + state.lineAt(i) : state.lineAt(i));
  page << QString();
}

// The region's attribute keys in one part of the block.
void readAttributeEntries(ImportState& state, Table& row, const BlockPart& part) {
  for (const BlockEntry& e : part.entries) {
    // A text is a quoted value, a number is not: a description holding
    // ";Lohn" stays text.
    if (e.value.endsWith(u'"')) {
      for (const KeyField& attribute : kTextAttributes)
        if (e.key == attribute.key) row.setValue(field(attribute.field), ImportState::textValue(state.lineAt(e.index)));
    } else if (!reportlines::isValue(e.value)) {
      for (const KeyField& attribute : kNumberAttributes)
        if (e.key == attribute.key) row.setValue(field(attribute.field), state.numberAt(e.index));
    }
  }
}

}  // namespace

bool endsRegionBlock(QStringView header) {
  if (!reportlines::mayHoldKeyword(header) || sectionAt(header) != Section::None) return false;
  return header.startsWith(u"EINHEIT") || contains(header, u"BURG") || contains(header, u"REGION") ||
         contains(header, u"SCHIFF") || contains(header, u"MESSAGETYPE ") || reportlines::isTopLevelBlock(header);
}

int firstSectionLine(const ReportBlock& block) {
  for (const BlockPart& part : block.subs)
    if (sectionAt(part.header) != Section::None) return part.headerIndex;
  return block.endIndex;
}

void readAttributes(ImportState& state, Table& row, const ReportBlock& block) {
  readAttributeEntries(state, row, block.own);
  // Value lines that stand after a prices, resources or borders header are
  // the region's when their key is none of that section's. Other blocks
  // (SCHEMEN with its ";Name") keep their values.
  for (const BlockPart& part : block.subs) {
    const Section s = sectionAt(part.header);
    if (s == Section::Prices || s == Section::Resources || s == Section::Borders)
      readAttributeEntries(state, row, part);
  }
}

void readRegionSections(RegionContext& region, const ReportBlock& block) {
  ImportState& state = region.state;
  Table& row = region.row;
  const bool mallornTrees = row.intValue(QStringLiteral("Mallorn")) == 1;
  bool surroundingsStarted = false;
  const BlockPart* parts = block.subs.constData();
  const qsizetype count = block.subs.size();
  for (qsizetype i = 0; i < count; ++i) {
    const BlockPart& part = parts[i];
    switch (sectionAt(part.header)) {
      case Section::Prices: readPrices(state, row, part); break;
      case Section::Resources: readResource(state, row, part, mallornTrees); break;
      case Section::Borders: readBorder(state, row, part); break;
      case Section::Surroundings:
        readSurroundings(region, part, !surroundingsStarted);
        surroundingsStarted = true;
        break;
      case Section::Passing: {
        qsizetype end = i + 1;
        while (end < count && sectionAt(parts[end].header) == Section::Passing) ++end;
        readPassingThrough(region, parts + i, parts + end);
        i = end - 1;
        break;
      }
      case Section::Effects: readEffects(state, part); break;
      case Section::Messages: readMessage(state, part); break;
      case Section::Events:
      case Section::Comments:
      case Section::News: readRegionText(region, part, QStringLiteral("Ereignisse in "), false); break;
      case Section::Letters: readRegionText(region, part, QStringLiteral("Botschaften an Region "), true); break;
      case Section::None: break;  // a block the region does not know is kept aside
    }
  }
}

}  // namespace regionsections
