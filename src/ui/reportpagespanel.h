#pragma once
// The upper tab control: the report pages, each hidden until it has
// content, and the always visible page "Status".
#include <QTabWidget>

class QListWidget;
class QPlainTextEdit;
class StatusPage;
struct ReportPages;

class ReportPagesPanel : public QTabWidget {
  Q_OBJECT
 public:
  explicit ReportPagesPanel(QWidget* parent = nullptr);

  // Fills every page from the models and shows the pages that have
  // content. A page once shown stays shown for the rest of the run.
  void showPages(const ReportPages& pages);
  // The tab of a page by its caption ("Kämpfe", "Status", ...), or -1.
  int pageIndex(const QString& caption) const;

  StatusPage* status() const { return status_; }

  QListWidget* ListBox1;      // "Kämpfe"
  QListWidget* ListBox2;      // "Warnungen"
  QListWidget* ListBox5;      // "Ereignisse"
  QListWidget* ListBox6;      // "Einkommen"
  QListWidget* ListBox7;      // "Handel"
  QListWidget* ListBox8;      // "Produktion"
  QListWidget* ListBox9;      // "Bewegungen"
  QListWidget* ListBox10;     // "Meldungen"
  QPlainTextEdit* RichEdit3;  // "Geheimdienstbericht"
  QPlainTextEdit* RichEdit2;  // "Einreisebericht"
  QPlainTextEdit* Memo4;      // "Botschaften"

 private:
  void addPage(const QString& caption, QWidget* content);

  StatusPage* status_;
};
