#include "ui/reportpagespanel.h"

#include <QListWidget>
#include <QPlainTextEdit>

#include "app/statusdata.h"
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

void fill(QPlainTextEdit* edit, const QStringList& lines) { edit->setPlainText(lines.join(QLatin1Char('\n'))); }

}  // namespace

ReportPagesPanel::ReportPagesPanel(QWidget* parent) : QTabWidget(parent) {
  setObjectName(QStringLiteral("PageControl1"));
  ListBox1 = list("ListBox1");
  ListBox2 = list("ListBox2");
  ListBox5 = list("ListBox5");
  ListBox6 = list("ListBox6");
  ListBox7 = list("ListBox7");
  ListBox8 = list("ListBox8");
  ListBox9 = list("ListBox9");
  ListBox10 = list("ListBox10");
  RichEdit3 = memo("RichEdit3");
  RichEdit2 = memo("RichEdit2");
  Memo4 = memo("Memo4");
  status_ = new StatusPage;

  addTab(status_, QStringLiteral("Status"));
  addPage(QStringLiteral("Kämpfe"), ListBox1);
  addPage(QStringLiteral("Warnungen"), ListBox2);
  addPage(QStringLiteral("Ereignisse"), ListBox5);
  addPage(QStringLiteral("Einkommen"), ListBox6);
  addPage(QStringLiteral("Handel"), ListBox7);
  addPage(QStringLiteral("Produktion"), ListBox8);
  addPage(QStringLiteral("Bewegungen"), ListBox9);
  addPage(QStringLiteral("Meldungen"), ListBox10);
  addPage(QStringLiteral("Geheimdienstbericht"), RichEdit3);
  addPage(QStringLiteral("Einreisebericht"), RichEdit2);
  addPage(QStringLiteral("Botschaften"), Memo4);
  setCurrentIndex(0);
}

void ReportPagesPanel::addPage(const QString& caption, QWidget* content) {
  const int index = addTab(content, caption);
  setTabVisible(index, false);
}

int ReportPagesPanel::pageIndex(const QString& caption) const {
  for (int i = 0; i < count(); ++i)
    if (tabText(i) == caption) return i;
  return -1;
}

void ReportPagesPanel::showPages(const ReportPages& pages) {
  fill(ListBox1, pages.kaempfe);
  fill(ListBox2, pages.warnungen);
  fill(ListBox5, pages.ereignisse);
  fill(ListBox6, pages.einkommen.lines());
  fill(ListBox7, pages.handel);
  fill(ListBox8, pages.produktion);
  fill(ListBox9, pages.bewegungen);
  fill(ListBox10, pages.meldungen);
  fill(RichEdit3, pages.geheimdienst);
  fill(RichEdit2, pages.einreise);
  fill(Memo4, pages.botschaften);
  status_->showAlliances(pages.status);

  // The same rule as the status load: a text page of one empty line has
  // no content.
  for (const QString& caption : statusdata::pagesWithContent(pages)) {
    const int index = pageIndex(caption);
    if (index >= 0) setTabVisible(index, true);
  }
}
