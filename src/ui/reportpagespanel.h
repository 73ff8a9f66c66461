#pragma once
// The upper tab control: the report pages, each hidden until it has
// content, and the always visible page "Status".
#include <QHash>
#include <QTabWidget>

class QListWidget;
class QPlainTextEdit;
class StatusPage;
struct ReportPages;
namespace reportpagetable {
struct Page;
}

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

  // The two heights of the control: the report strip above the map area,
  // and the report page covering it.
  static constexpr int kLowHeight = 121;
  static constexpr int kHighHeight = 682;
  // The height a mouse press leads to: high when the control is low and a
  // report page other than "Status" is active, low in every other case.
  static int toggledHeight(int height, bool statusActive);
  // The height the control gets of the splitter's `total` for a wished
  // `target`: it keeps at least `ownMinimum` and leaves the tab controls
  // below at least `othersMinimum`, so that neither loses its tab bar.
  // When both do not fit the room is shared in that proportion.
  static int clampedHeight(int target, int total, int ownMinimum, int othersMinimum);
  // Tab bar and a strip of the page: what a tab control keeps.
  static int keptHeight(const QTabWidget* tabs);
  // A double click on the tabs: toggles the height. Inside a splitter the
  // splitter gives the room, so dragging it still works.
  void PageControl1MouseDown();
  // The player's kept divider holds: the first showing leaves the height alone.
  void keepSplit() { splitKept_ = true; }

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

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Text pages longer than this are filled when they are first shown.
  static constexpr int kLargeText = 5000;
  void fillText(QPlainTextEdit* edit, const QStringList& lines);
  void showPendingText(QWidget* page);
  QHash<QPlainTextEdit*, QString> pendingText_;

  void addPage(const QString& caption, QWidget* content);
  // The page's control, made from the table of report pages.
  template <typename Control>
  Control* control(const char* name) const {
    return findChild<Control*>(QLatin1String(name));
  }
  struct PageContent {
    const reportpagetable::Page* page;
    QWidget* content;
  };
  QList<PageContent> contents_;
  void setHeightInSplitter(int height);
  // What the status page needs to show all of its fields and lines.
  int statusHeight() const;
  bool sized_ = false;
  bool splitKept_ = false;

  StatusPage* status_;
};
