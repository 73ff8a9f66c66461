// The walk over the report between its header and the first region:
// message sections, battle headers, message blocks, alliances and factions.
#include <QLatin1StringView>
#include <QStringView>

#include "game/textutil.h"
#include "report/blockreaders.h"
#include "report/importerror.h"
#include "report/importstate.h"
#include "report/sectionfactions.h"
#include "report/reportlines.h"
#include "report/sectionlines.h"
#include "report/sectionmessagetypes.h"

namespace {

// A section line without its two leading characters and its last one.
QString sectionText(const QString& line) { return line.size() >= 3 ? line.mid(2, line.size() - 3) : QString(); }

// The lines of a section: the first line after the header in any case, then
// every further line of its block that holds a double quote; a line without
// one is passed by. Leaves the current line on the first line after the block.
template <typename Add>
void readSectionLines(ImportState& state, Add add) {
  const ReportBlock block = readSectionBlock(state);
  const int first = block.own.headerIndex + 1;
  for (int i = first; i < block.own.endIndex; ++i) {
    const QString& line = state.lineAt(i);
    if (i == first || line.contains(QLatin1Char('"'))) add(sectionText(line));
  }
  state.currentLine = block.endIndex;
}

void readIntoList(ImportState& state, QStringList& page) {
  readSectionLines(state, [&page](const QString& text) { page << text; });
}

// "BATTLE x y" (or "BATTLE x y z"): a caption on "Kämpfe" and the mark on the
// region where it was fought.
void readBattle(ImportState& state) {
  const QString& header = state.line();
  const qsizetype at = header.indexOf(QLatin1StringView("BATTLE "));
  state.battleFlag = true;

  state.pages.kaempfe << QString() << QString()
                      << QStringLiteral("Kampf in Region: ") + header.mid(at + 6) + QStringLiteral(" !") << QString();

  // Two numbers name the region on any level, a third one names the level.
  const QList<QStringView> parts = QStringView(header).mid(at + 7).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (parts.size() != 2 && parts.size() != 3)
    state.fail(QStringLiteral("Die Kampfregion muss mit zwei oder drei Koordinaten angegeben sein."));
  QVariantList key{state.game.slot};
  for (const QStringView part : parts) key << state.toNumber(part);

  Table& regions = state.tables.regionen;
  if (!regions.isOpen()) regions.open();
  regions.setIndexFields(QStringLiteral("Spiel;Breite;Länge;Ebene"));
  if (regions.findKey(key)) {
    regions.edit();
    regions.setValue(QStringLiteral("Umgebung"), QStringLiteral("Kampf in Runde ") + QString::number(state.game.roundCode));
    regions.post();
  } else {
    // A region seen for the first time in this report is marked when its block is read.
    QList<qint32> coordinates;
    for (qsizetype i = 1; i < key.size(); ++i) coordinates << key.at(i).toInt();
    state.pendingBattles << coordinates;
  }
  // Lines of the battle's own block are kept aside; its messages follow as blocks of their own.
  state.currentLine = readSectionBlock(state).endIndex;
}

// What one message block carried itself (the values in the state are kept
// from block to block).
struct MessageBlock {
  bool hasRendered = false;
  bool hasAmount = false;
  int badAmountLine = -1;  // an amount line whose value is no number
};

// The block's rendered text, amount and type by their keys, wherever they
// stand; the last line of a key counts.
MessageBlock readMessageValues(ImportState& state, const BlockPart& part) {
  MessageBlock block;
  if (const BlockEntry* e = part.last(QLatin1StringView("rendered")); e && e->value.endsWith(u'"')) {
    state.message.rendered = ImportState::textValue(state.lineAt(e->index));
    block.hasRendered = true;
  }
  if (const BlockEntry* e = part.last(QLatin1StringView("amount"))) {
    if (const auto amount = textutil::strictInt(e->line.left(e->line.indexOf(u';')))) {
      state.message.amount = *amount;
      block.hasAmount = true;
    } else {
      block.badAmountLine = e->index;
    }
  }
  if (const BlockEntry* e = part.last(QLatin1StringView("type"))) {
    // Type numbers are hashes; one that is no number matches no page.
    bool ok = false;
    const qint64 type = e->line.left(e->line.indexOf(u';')).toLongLong(&ok);
    state.message.type = ok ? type : 0;
  }
  return block;
}

void addIncome(ImportState& state, const MessageBlock& block) {
  if (block.badAmountLine >= 0)
    throw ImportError(QStringLiteral("Der Betrag der Einkommensmeldung ist keine gültige ganze Zahl."),
                      block.badAmountLine, state.lineAt(block.badAmountLine));
  // A block without its own amount adds nothing rather than the previous one again.
  if (block.hasAmount) state.sums.income += state.message.amount;
}

void placeMessage(ImportState& state, const MessageBlock& block) {
  const QString& text = state.message.rendered;
  ReportPages& pages = state.pages;
  switch (messagePageForType(state.message.type)) {
    case MessagePage::Handel: pages.handel << text; break;
    case MessagePage::Ereignisse: pages.ereignisse << text; break;
    case MessagePage::Warnungen: pages.warnungen << text; break;
    case MessagePage::Produktion: pages.produktion << text; break;
    case MessagePage::EinkommenSummed:
      pages.einkommen.add(text);
      addIncome(state, block);
      break;
    case MessagePage::Einkommen: pages.einkommen.add(text); break;
    case MessagePage::Kaempfe: pages.kaempfe << text; break;
    case MessagePage::Bewegungen: pages.bewegungen << text; break;
    case MessagePage::RidingOrBattle:
      if (text.contains(QLatin1StringView("reitet")))
        pages.bewegungen << text;
      else if (state.battleFlag)
        pages.kaempfe << text;
      else
        pages.botschaften << text;
      break;
    case MessagePage::Botschaften: pages.botschaften << text; break;
  }
}

// The message that tells a new faction its password, once: its type, or
// its text where another server version numbers its types otherwise.
constexpr qint64 kPasswordMessageType = 1784377885;
const QLatin1StringView kPasswordText("Das Passwort für diese Partei lautet ");

void takePassword(ImportState& state, const BlockPart& part, const MessageBlock& block) {
  const bool byText = block.hasRendered && state.message.rendered.startsWith(QString(kPasswordText));
  if (state.message.type != kPasswordMessageType && !byText) return;
  if (const BlockEntry* e = part.last(QLatin1StringView("value")); e && e->value.startsWith(u'"')) {
    state.header.messagePassword = ImportState::textValue(state.lineAt(e->index));
  } else if (byText) {
    state.header.messagePassword = state.message.rendered.mid(kPasswordText.size()).trimmed();
  }
}

// "MESSAGE n": its values by key, then the rendered text on the page its
// type belongs to.
void readMessage(ImportState& state) {
  const ReportBlock message = readSectionBlock(state);
  const MessageBlock block = readMessageValues(state, message.own);
  takePassword(state, message.own, block);
  state.currentLine = message.endIndex;
  // A block without a text of its own would only repeat the previous message.
  if (block.hasRendered) placeMessage(state, block);
}

// Reads what starts on the current line, leaving the current line after it;
// false when the line opens nothing.
bool readSectionAt(ImportState& state) {
  const QString& line = state.line();
  ReportPages& pages = state.pages;
  // A value line opens nothing, whatever words it holds ("Zur BATTLE Zone").
  if (reportlines::isValue(line)) return false;
  if (line == QLatin1StringView("FEHLER")) {
    pages.botschaften << QStringLiteral("Fehler:") << QString();
    readIntoList(state, pages.botschaften);
  } else if (line == QLatin1StringView("WARNUNGEN")) {
    pages.botschaften << QString() << QStringLiteral("Warnungen:") << QString();
    readIntoList(state, pages.botschaften);
  } else if (line == QLatin1StringView("KAEMPFE")) {
    readIntoList(state, pages.kaempfe);
  } else if (line == QLatin1StringView("MELDUNGEN")) {
    pages.botschaften << QString() << QStringLiteral("Meldungen:") << QString();
    readSectionLines(state, [&pages](const QString& text) { pages.botschaften << text << QString(); });
  } else if (line == QLatin1StringView("EREIGNISSE")) {
    readIntoList(state, pages.ereignisse);
  } else if (line == QLatin1StringView("EINKOMMEN")) {
    readSectionLines(state, [&pages](const QString& text) { pages.einkommen.add(text); });
  } else if (line == QLatin1StringView("HANDEL")) {
    readIntoList(state, pages.handel);
  } else if (line == QLatin1StringView("PRODUKTION")) {
    readIntoList(state, pages.produktion);
  } else if (line == QLatin1StringView("BEWEGUNGEN")) {
    readIntoList(state, pages.bewegungen);
  } else if (line.contains(QLatin1StringView("BATTLE "))) {
    readBattle(state);
  } else if (line.startsWith(QLatin1StringView("MESSAGE "))) {
    readMessage(state);
  } else if (line == QLatin1StringView("ALLIIERTE")) {
    readAlliierteList(state);
  } else if (line == QLatin1StringView("ADRESSEN")) {
    readAdressenList(state);
  } else if (line.contains(QLatin1StringView("ALLIANZ "))) {
    readAllianzBlocks(state);
  } else if (line.contains(QLatin1StringView("PARTEI "))) {
    readParteiBlocks(state);
  } else {
    return false;
  }
  return true;
}

}  // namespace

void readSections(ImportState& state) {
  // Every reader moves at least one line on, so the walk ends at the first
  // region header or at the end of the buffer.
  while (!state.atEnd() && !isRegionHeader(state.line())) {
    if (!readSectionAt(state)) ++state.currentLine;
  }
}
