#include "ui/templatepage.h"

#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QPushButton>
#include <QSplitter>
#include <QTextCursor>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include "game/gamesession.h"
#include "orders/ordertemplate.h"
#include "orders/templatefile.h"
#include "report/reportpages.h"
#include "ui/formhelpers.h"
#include "ui/orderscompleter.h"
#include "ui/ordershighlighter.h"
#include "ui/problemspanel.h"
#include "ui/savedindicator.h"

using formhelpers::named;

TemplatePage::TemplatePage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabSheetTemplate"));
  RichEdit4 = named(new QPlainTextEdit, "RichEdit4");
  QFont courier(QStringLiteral("Courier"));
  courier.setStyleHint(QFont::TypeWriter);
  RichEdit4->setFont(courier);
  RichEdit4->setLineWrapMode(QPlainTextEdit::NoWrap);
  RichEdit4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Shape1 = new SavedIndicator;
  StaticText1 = named(new QLabel(QStringLiteral("Autosave")), "StaticText1");
  Edit24 = named(new QLineEdit, "Edit24");
  Button3 = named(new QPushButton(QStringLiteral("Suchen")), "Button3");

  auto* bar = new QHBoxLayout;
  bar->addWidget(Shape1);
  bar->addWidget(StaticText1);
  bar->addStretch(1);
  bar->addWidget(Edit24);
  bar->addWidget(Button3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  new OrdersHighlighter(RichEdit4->document());
  completion = new OrdersCompleter(RichEdit4);
  problems = new ProblemsPanel;
  auto* split = new QSplitter(Qt::Vertical);
  split->addWidget(RichEdit4);
  split->addWidget(problems);
  split->setStretchFactor(0, 3);
  split->setSizes({600, 150});  // the template keeps most of the page
  split->setChildrenCollapsible(false);
  layout->addWidget(split, 1);

  connect(RichEdit4, &QPlainTextEdit::textChanged, this, &TemplatePage::RichEdit4Change);
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
  Edit24->installEventFilter(this);

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(templatefile::kAutosaveIntervalMs);
  connect(Timer1, &QTimer::timeout, this, &TemplatePage::Timer1Timer);
  Timer1->start();
}

void TemplatePage::showModel() {
  loading_ = true;
  RichEdit4->setPlainText(model_ ? model_->text() : QString());
  loading_ = false;
  Shape1->setSaved(model_ && !model_->unsaved());
}

void TemplatePage::commitToModel() {
  if (model_) model_->setText(RichEdit4->toPlainText());
}

void TemplatePage::showLine(int line) {
  const QTextBlock block = RichEdit4->document()->findBlockByNumber(line);
  if (!block.isValid()) return;
  QTextCursor cursor(block);
  RichEdit4->setTextCursor(cursor);
  RichEdit4->centerCursor();
}

void TemplatePage::clear() {
  loading_ = true;
  RichEdit4->clear();
  loading_ = false;
}

void TemplatePage::markSaved() {
  if (model_) model_->setUnsaved(false);
  Shape1->setSaved(true);
}

void TemplatePage::setTurn(const GameSession* session, const StatusFields* status) {
  session_ = session;
  status_ = status;
}

bool TemplatePage::Speichern1Click() {
  if (!canSave()) return false;
  commitToModel();
  if (!resolveDiskChange()) return false;
  return finishSave(templatefile::save(*model_, *session_, status_->datum));
}

bool TemplatePage::resolveDiskChange() {
  const QString path = templatefile::filePath(*session_, status_->datum);
  if (!templatefile::changedOnDisk(*model_, path)) return true;
  const QStringList buttons = {QStringLiteral("Überschreiben"), QStringLiteral("Von der Festplatte laden"),
                               QStringLiteral("Abbrechen")};
  // Without anyone to ask, the other program's file stays.
  const int answer = choose_ ? choose_(templatefile::changedOnDiskMessage(path), buttons) : 2;
  if (answer == 0) return true;
  if (answer == 1) {
    const QString error = templatefile::reloadFromDisk(*model_, path);
    showModel();
    finishSave(error);
  }
  return false;
}

bool TemplatePage::ZugVorlageSpeichern1Click() {
  if (!canSave()) return false;
  const QString path = chooseSaveAs_ ? chooseSaveAs_() : askSaveAsPath();
  if (path.isEmpty()) return false;
  commitToModel();
  return finishSave(templatefile::saveAs(*model_, path));
}

void TemplatePage::Timer1Timer() {
  // While an error message of an earlier save is still open, the timer
  // must not stack another one on top of it.
  if (!canSave() || reporting_ || !window()->isEnabled()) return;
  if (!templatefile::autosaveDue(*model_)) return;
  commitToModel();
  const templatefile::AutosaveOutcome out = templatefile::autosave(*model_, *session_, status_->datum);
  if (!out.skipped.isEmpty()) {
    // A file another program changed is left alone; the flag stays set.
    Shape1->setSaved(!model_->unsaved());
    if (reportStatus_) reportStatus_(out.skipped);
    // Told once: the timer comes back every five minutes.
    if (!skipNoticed_ && reportNotice_) {
      skipNoticed_ = true;
      reporting_ = true;
      reportNotice_(out.skipped);
      reporting_ = false;
    }
    return;
  }
  const QString& error = out.error;
  // The first failure is shown as a message; while it lasts the status bar
  // says so and the flag stays set, so the next turn of the timer tries again.
  if (error.isEmpty() || !autosaveFailing_) {
    finishSave(error);
  } else {
    Shape1->setSaved(!model_->unsaved());
  }
  autosaveFailing_ = !error.isEmpty();
  if (reportStatus_)
    reportStatus_(error.isEmpty() ? QString()
                                  : QStringLiteral("Automatisches Speichern um %1 fehlgeschlagen, nächster Versuch in "
                                                   "fünf Minuten: %2")
                                        .arg(QTime::currentTime().toString(QStringLiteral("HH:mm")), error));
}

QString TemplatePage::askSaveAsPath() {
  QString filter = QStringLiteral("Textdateien (*.txt)");
  // The static dialog asks before an existing file is replaced.
  return QFileDialog::getSaveFileName(this, QStringLiteral("Zugvorlage speichern unter"), session_->programPath,
                                      QStringLiteral("Alle (*);;Textdateien (*.txt)"), &filter);
}

bool TemplatePage::finishSave(const QString& error) {
  Shape1->setSaved(!model_->unsaved());
  if (error.isEmpty()) return true;
  if (reportError_) {
    reporting_ = true;
    reportError_(error);
    reporting_ = false;
  }
  return false;
}

void TemplatePage::RichEdit4Change() {
  if (loading_) return;
  if (model_) model_->setUnsaved(true);
  Shape1->setSaved(false);
  emit changed();
}

bool TemplatePage::Button3Click() {
  const QString needle = Edit24->text();
  if (needle.isEmpty()) return false;
  const QTextCursor current = RichEdit4->textCursor();
  const int start = current.hasSelection() ? current.selectionEnd() : 0;
  const int found = RichEdit4->toPlainText().indexOf(needle, start, Qt::CaseSensitive);
  if (found < 0) return false;
  QTextCursor select(RichEdit4->document());
  select.setPosition(found);
  select.setPosition(found + int(needle.size()), QTextCursor::KeepAnchor);
  RichEdit4->setFocus();
  RichEdit4->setTextCursor(select);
  return true;
}

bool TemplatePage::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the search field searches like the button.
  if (watched == Edit24 && event->type() == QEvent::KeyRelease) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) Button3Click();
  }
  return QWidget::eventFilter(watched, event);
}
