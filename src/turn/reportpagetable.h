#pragma once
// The report pages in one table: which member of ReportPages each page
// shows, its caption in the upper tab control, the control that shows it,
// and the status file that keeps it between runs. The status files, the
// list of pages with content and the window's tabs all come from here.
#include <QList>
#include <QString>
#include <QStringList>

struct ReportPages;

namespace reportpagetable {

enum class Shape {
  List,       // a list box
  Text,       // a multi-line text; one empty line counts as no content
  Alliances,  // the alliance lines of the always visible page "Status"
};

struct Page {
  const char16_t* caption;  // "Kämpfe"; "Status" for the alliance lines
  const char* control;      // the control that shows it ("ListBox1"); null for "Status"
  const char* file;         // "kaempfe" for "1-kaempfe.txt"; null when not kept
  Shape shape;
  int tab;                  // position in the upper tab control ("Status" is 0)
  int listed;               // position among the pages with content; -1: never listed
  QStringList ReportPages::* member;  // null for "Einkommen", a sorted list

  QString captionText() const { return QString::fromUtf16(caption); }
  QStringList lines(const ReportPages& pages) const;
  void setLines(ReportPages& pages, const QStringList& lines) const;
  bool hasContent(const ReportPages& pages) const;
};

// Every page, in the order of the status files; the one page that is not
// kept ("Meldungen") stands after "Bewegungen".
const QList<Page>& pages();
// The pages that have a status file, in the order of the files.
QList<const Page*> storedPages();
// The pages in the order of the upper tab control, "Status" first.
QList<const Page*> inTabOrder();

// "<slot>-<file>.txt".
QString statusFileName(int slot, const Page& page);

}  // namespace reportpagetable
