#include "ui/reportpagespanel.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QShowEvent>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <functional>

#include "turn/reportpagetable.h"
#include "turn/statusdata.h"
#include "report/reportpages.h"
#include "ui/formhelpers.h"
#include "ui/statuspage.h"

using formhelpers::named;

namespace {

QListWidget* list(const char* name) { return named(new QListWidget, name); }

QPlainTextEdit* memo(const char* name) {
  auto* edit = named(new QPlainTextEdit, name);
  edit->setReadOnly(true);
  edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  return edit;
}

void fill(QListWidget* box, const QStringList& lines) {
  box->clear();
  box->addItems(lines);
}

// Tells of a double click on a tab once it has chosen its page. A plain
// click only changes the page: the divider stays where the player set it,
// so the tabs below never move under the mouse.
class PressTabBar : public QTabBar {
 public:
  explicit PressTabBar(std::function<void()> pressed) : pressed_(std::move(pressed)) {}

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QTabBar::mouseDoubleClickEvent(event);
    if (pressed_) pressed_();
  }

 private:
  std::function<void()> pressed_;
};

void fill(QPlainTextEdit* edit, const QStringList& lines) { edit->setPlainText(lines.join(QLatin1Char('\n'))); }

}  // namespace

ReportPagesPanel::ReportPagesPanel(QWidget* parent) : QTabWidget(parent) {
  setObjectName(QStringLiteral("PageControl1"));
  setTabBar(new PressTabBar([this] { PageControl1MouseDown(); }));
  status_ = new StatusPage;

  // A low control scrolls the status page instead of squeezing its fields.
  auto* statusScroll = new QScrollArea;
  statusScroll->setObjectName(QStringLiteral("StatusScroll"));
  statusScroll->setFrameShape(QFrame::NoFrame);
  statusScroll->setWidgetResizable(true);
  statusScroll->setWidget(status_);
  statusScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // As wide as the fields need: texts are never cut at the side.
  statusScroll->setMinimumWidth(status_->minimumSizeHint().width() +
                                statusScroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  for (const reportpagetable::Page* page : reportpagetable::inTabOrder()) {
    if (page->shape == reportpagetable::Shape::Alliances) {
      addTab(statusScroll, page->captionText());
      continue;
    }
    QWidget* content = page->shape == reportpagetable::Shape::Text ? static_cast<QWidget*>(memo(page->control))
                                                                  : list(page->control);
    addPage(page->captionText(), content);
    contents_.append({page, content});
  }
  ListBox1 = control<QListWidget>("ListBox1");
  ListBox2 = control<QListWidget>("ListBox2");
  ListBox5 = control<QListWidget>("ListBox5");
  ListBox6 = control<QListWidget>("ListBox6");
  ListBox7 = control<QListWidget>("ListBox7");
  ListBox8 = control<QListWidget>("ListBox8");
  ListBox9 = control<QListWidget>("ListBox9");
  ListBox10 = control<QListWidget>("ListBox10");
  RichEdit3 = control<QPlainTextEdit>("RichEdit3");
  RichEdit2 = control<QPlainTextEdit>("RichEdit2");
  Memo4 = control<QPlainTextEdit>("Memo4");
  setCurrentIndex(0);
  connect(this, &QTabWidget::currentChanged, this, [this](int index) { showPendingText(widget(index)); });
}

void ReportPagesPanel::addPage(const QString& caption, QWidget* content) {
  const int index = addTab(content, caption);
  setTabVisible(index, false);
}

void ReportPagesPanel::fillText(QPlainTextEdit* edit, const QStringList& lines) {
  // A long report text (tens of thousands of lines of an entry report) is
  // laid out when its page is first shown, not while the player waits for
  // the import to end.
  if (lines.size() > kLargeText && currentWidget() != edit) {
    edit->clear();
    pendingText_.insert(edit, lines.join(QLatin1Char('\n')));
    return;
  }
  pendingText_.remove(edit);
  fill(edit, lines);
}

void ReportPagesPanel::showPendingText(QWidget* page) {
  auto* edit = qobject_cast<QPlainTextEdit*>(page);
  if (!edit || !pendingText_.contains(edit)) return;
  edit->setPlainText(pendingText_.take(edit));
}

int ReportPagesPanel::pageIndex(const QString& caption) const {
  for (int i = 0; i < count(); ++i)
    if (tabText(i) == caption) return i;
  return -1;
}

void ReportPagesPanel::showPages(const ReportPages& pages) {
  for (const PageContent& shown : contents_) {
    const QStringList lines = shown.page->lines(pages);
    if (auto* box = qobject_cast<QListWidget*>(shown.content)) {
      // The income total is kept in the status file for the next opening, not shown.
      fill(box, box == ListBox6 ? statusdata::shownIncome(lines) : lines);
    } else {
      fillText(static_cast<QPlainTextEdit*>(shown.content), lines);
    }
  }
  status_->showAlliances(pages.status);

  // The same rule as the status load: a text page of one empty line has
  // no content.
  for (const QString& caption : statusdata::pagesWithContent(pages)) {
    const int index = pageIndex(caption);
    if (index >= 0) setTabVisible(index, true);
  }
}

int ReportPagesPanel::toggledHeight(int height, bool statusActive) {
  return height == kLowHeight && !statusActive ? kHighHeight : kLowHeight;
}

void ReportPagesPanel::PageControl1MouseDown() {
  // "Status" gets the height that shows its fields whole again.
  const bool statusActive = tabText(currentIndex()) == QStringLiteral("Status");
  const int target = statusActive ? qMax(kLowHeight, statusHeight()) : toggledHeight(height(), false);
  setHeightInSplitter(target);
}

int ReportPagesPanel::clampedHeight(int target, int total, int ownMinimum, int othersMinimum) {
  if (total <= 0) return 0;
  if (ownMinimum + othersMinimum > total)
    return int(qint64(total) * ownMinimum / qMax(1, ownMinimum + othersMinimum));
  return qBound(ownMinimum, target, total - othersMinimum);
}

int ReportPagesPanel::keptHeight(const QTabWidget* tabs) {
  constexpr int kPageStrip = 40;
  return tabs->tabBar()->sizeHint().height() + kPageStrip;
}

int ReportPagesPanel::statusHeight() const { return status_->sizeHint().height() + tabBar()->sizeHint().height() + 8; }

void ReportPagesPanel::showEvent(QShowEvent* event) {
  QTabWidget::showEvent(event);
  // The first time the window opens the status page shows whole.
  if (!sized_ && !event->spontaneous()) {
    sized_ = true;
    // After the window's layout has given the splitter its room.
    QTimer::singleShot(0, this, [this] {
      if (!splitKept_) setHeightInSplitter(statusHeight());
    });
  }
}

void ReportPagesPanel::setHeightInSplitter(int target) {
  auto* splitter = qobject_cast<QSplitter*>(parentWidget());
  if (!splitter) {
    setFixedHeight(target);
    return;
  }
  const int index = splitter->indexOf(this);
  QList<int> sizes = splitter->sizes();
  int total = 0;
  for (int size : sizes) total += size;
  if (index < 0 || sizes.size() < 2 || total <= 0) return;
  // The rest goes to the pages below; each tab control keeps its tab bar.
  const int others = int(sizes.size()) - 1;
  int othersMinimum = 0;
  for (int i = 0; i < sizes.size(); ++i) {
    if (i == index) continue;
    const auto* tabs = qobject_cast<const QTabWidget*>(splitter->widget(i));
    othersMinimum += tabs ? keptHeight(tabs) : 0;
  }
  const int mine = clampedHeight(target, total, keptHeight(this), othersMinimum);
  const int rest = (total - mine) / others;
  for (int i = 0; i < sizes.size(); ++i) sizes[i] = i == index ? mine : rest;
  splitter->setSizes(sizes);
}
