#pragma once
// The economy summaries of the status page: income, production by kind and
// orc growth, added up from the message lists of the last report.
#include <QString>
#include <QStringList>

struct GameSession;
struct ReportPages;
struct StatusFields;

namespace summaries {

// Where the error messages ask the player to send the status file.
inline constexpr char kSupportAddress[] = "zendral@example.org";

// The production lines of "Gesamtproduktion" (ListBox13).
inline constexpr int kProductionLines = 11;
// The 13-character labels of those lines, in line order.
const QStringList& productionLabels();

// The outcome of one summary. On failure `currentLine` holds the text the
// summary was cutting an amount from (at most 81 characters), and the total
// stays as far as it got.
struct SummaryResult {
  bool ok = true;
  QString currentLine;
  // Lines passed by because no amount could be read from them (the income
  // summary goes on over such lines).
  int skippedLines = 0;
};

// Income ("Gesamteinkommen :", Edit2) from the sorted Einkommen list
// (ListBox6); a line without a readable amount is passed by and counted. In slot 1 from round 1604 on the total saved as the "zzzz"
// line of the list is taken instead of a new sum.
SummaryResult summiereEinkommen(const QStringList& einkommen, int slot, int roundCode, QString& gesamteinkommen);
// Production by kind ("Gesamtproduktion", ListBox13) from the Produktion
// list (ListBox8): eleven lines, labelled when the sum went through.
SummaryResult summiereProduktion(const QStringList& produktion, QStringList& gesamtproduktion);
// Orc growth ("Ork Vermehrung", Edit28) from the Ereignisse list (ListBox5).
SummaryResult summiereOrkvermehrung(const QStringList& ereignisse, QString& orkVermehrung);

// The same over the models of the open game.
SummaryResult summiereEinkommen(const GameSession& game, const ReportPages& pages, StatusFields& status);
SummaryResult summiereProduktion(const ReportPages& pages, StatusFields& status);
SummaryResult summiereOrkvermehrung(const ReportPages& pages, StatusFields& status);

// The messages the callers show when a summary fails. The import asks the
// player to send the status file; the status load names only the line.
QString einkommenFehlerBeimEinlesen(const QString& currentLine);
QString einkommenFehlerBeimLaden(const QString& currentLine);
QString produktionFehler(const QString& currentLine);
QString orkFehlerBeimEinlesen();
QString orkFehlerBeimLaden();

}  // namespace summaries
