#pragma once
// The upper report pages and the status page as data; the main window shows
// them, the status files store them.
#include <QString>
#include <QStringList>

// A list that keeps its lines in alphabetical order, as a sorted list box.
class SortedLines {
 public:
  void add(const QString& line);
  void clear() { lines_.clear(); }
  bool isEmpty() const { return lines_.isEmpty(); }
  const QStringList& lines() const { return lines_; }
  void setLines(const QStringList& lines);  // sorts them

 private:
  QStringList lines_;
};

struct ReportPages {
  QStringList kaempfe;        // "Kämpfe"
  QStringList warnungen;      // "Warnungen"
  QStringList ereignisse;     // "Ereignisse" (ListBox5)
  SortedLines einkommen;      // "Einkommen" (ListBox6, sorted)
  QStringList handel;         // "Handel"
  QStringList produktion;     // "Produktion", first list (ListBox8)
  QStringList bewegungen;     // "Bewegungen"
  QStringList status;         // "Status": the alliance lines
  QStringList botschaften;    // "Botschaften" (Memo4)
  QStringList geheimdienst;   // "Geheimdienstbericht" (RichEdit3)
  QStringList einreise;       // "Einreisebericht" (RichEdit2)
  QStringList meldungen;      // "Meldungen"
  QStringList regionMessages; // Memo8: messages of the region read last

  // Empties the message pages before an import.
  void cleanup();
};

// The fields of the page "Status" and the summaries shown there.
struct StatusFields {
  QString gesamteinkommen;  // "Gesamteinkommen :" (Edit2)
  QString punkte;           // "Punkte :" (Edit3)
  QString punkteMittel;     // "Punkte mittel:" (Edit4)
  QString parteiName;       // "Partei Name"
  QString datum;            // "Datum" (Edit6)
  QString einheiten;        // "Einheiten" (Edit7)
  QString personen;         // "Personen" (Edit8)
  QString silber;           // "Silber" (Edit13)
  QString immigranten;      // "Immigranten"
  QString maxImmigranten;   // "max. Immigranten"
  QString orkVermehrung;    // "Ork Vermehrung" (Edit28)
  QStringList gesamtproduktion;  // "Gesamtproduktion" (ListBox13)

  // The nine fields kept in zendral.cfg, in their line order.
  QStringList configFields() const;
  void setConfigFields(const QStringList& nine);
  // The counters an import starts from: "Gesamteinkommen :", "Punkte :",
  // "Punkte mittel:", "Einheiten", "Personen" and "Silber" become "0".
  void resetImportCounters();
};
