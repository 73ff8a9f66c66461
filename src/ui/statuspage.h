#pragma once
// The page "Status": the faction's counters of the last report, the
// summaries and the alliance lines.
#include <QWidget>

class QLineEdit;
class QListWidget;
struct StatusFields;

class StatusPage : public QWidget {
  Q_OBJECT
 public:
  explicit StatusPage(QWidget* parent = nullptr);

  void showFields(const StatusFields& fields);
  void showAlliances(const QStringList& lines);
  // Quarnel has no points, immigrants or orc growth; the faction name and
  // the date take the room at the left edge.
  void adaptToQuarnel();

  QLineEdit* Edit2;   // "Gesamteinkommen :"
  QLineEdit* Edit3;   // "Punkte :"
  QLineEdit* Edit4;   // "Punkte mittel:"
  QLineEdit* Edit5;   // "Partei Name"
  QLineEdit* Edit6;   // "Datum"
  QLineEdit* Edit7;   // "Einheiten"
  QLineEdit* Edit8;   // "Personen"
  QLineEdit* Edit13;  // "Silber"
  QLineEdit* Edit22;  // "Immigranten"
  QLineEdit* Edit23;  // "max. Immigranten"
  QLineEdit* Edit28;  // "Ork Vermehrung"
  QListWidget* ListBox13;  // "Gesamtproduktion"
  QListWidget* ListBox4;   // the alliance lines
};
