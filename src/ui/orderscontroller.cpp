#include "ui/orderscontroller.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputDialog>

#include "orders/ordersend.h"
#include "orders/serveraccess.h"
#include "orders/templatefile.h"
#include "orders/templatelist.h"
#include "orders/templatepassword.h"
#include "turn/opengame.h"
#include "ui/prompts.h"
#include "ui/templatepage.h"

namespace {

const QStringList kSaveAnswers = {QStringLiteral("Speichern"), QStringLiteral("Nicht speichern"),
                                  QStringLiteral("Abbrechen")};

}  // namespace

OrdersController::OrdersController(QWidget* window, OpenGame& game, TemplatePage* page, const Prompts* prompts)
    : QObject(window), window_(window), game_(game), page_(page), prompts_(prompts) {}

void OrdersController::tell(const QString& message) {
  if (status_) status_(message);
}

bool OrdersController::passwordChecked() {
  page_->commitToModel();
  // Before any report there is no template to warn about.
  if (game_.status.datum.isEmpty() || templatepassword::hasPassword(game_.orders.lines())) return true;
  if (!prompts_->warnYesNo || !prompts_->warnYesNo(templatepassword::missingPasswordQuestion())) return true;
  if (openOptions_) openOptions_();
  return false;
}

bool OrdersController::Speichern1Click() { return passwordChecked() && page_->Speichern1Click(); }

bool OrdersController::ZugVorlageSpeichern1Click() { return passwordChecked() && page_->ZugVorlageSpeichern1Click(); }

bool OrdersController::saveOrDropBefore(const QString& question) {
  page_->commitToModel();
  if (!game_.orders.unsaved()) return true;
  const int answer = prompts_->choose ? prompts_->choose(question, kSaveAnswers) : 2;
  if (answer == 0) return page_->Speichern1Click();
  return answer == 1;
}

bool OrdersController::ZugvorlageOeffnen1Click() {
  const GameSession& session = game_.session;
  if (game_.status.datum.isEmpty()) {
    if (prompts_->error) prompts_->error(QStringLiteral("Es ist noch kein CR eingelesen; es gibt keine Zugvorlage."));
    return false;
  }
  const QList<templatelist::Entry> files = templatelist::list(session);
  if (files.isEmpty()) {
    if (prompts_->inform)
      prompts_->inform(QStringLiteral("In %1 gibt es keine Zugvorlage von Spiel %2.").arg(session.programPath).arg(session.slot));
    return false;
  }
  QStringList labels;
  for (const templatelist::Entry& e : files) labels << templatelist::label(e);
  int chosen = -1;
  if (chooseFile_) {
    chosen = chooseFile_(labels);
  } else {
    bool ok = false;
    const QString label = QInputDialog::getItem(window_, QStringLiteral("Zugvorlage öffnen"),
                                                QStringLiteral("Zugvorlagen von Spiel %1:").arg(session.slot), labels, 0,
                                                false, &ok);
    chosen = ok ? int(labels.indexOf(label)) : -1;
  }
  if (chosen < 0 || chosen >= files.size()) return false;
  const templatelist::Entry& entry = files.at(chosen);
  const std::optional<QStringList> lines = templatefile::load(entry.path);
  if (!lines) {
    if (prompts_->error) prompts_->error(QStringLiteral("Die Zugvorlage %1 konnte nicht gelesen werden.").arg(entry.path));
    return false;
  }
  if (!saveOrDropBefore(QStringLiteral("Die Zugvorlage wurde noch nicht gespeichert. Vor dem Öffnen speichern?")))
    return false;
  // The turn's file will be replaced by the next save: what it holds now is kept first.
  const QString turnPath = templatefile::filePath(session, game_.status.datum);
  if (entry.path != turnPath) {
    const templatefile::Kept kept = templatefile::keepBeforeReplacing(turnPath, session.roundCode, *lines);
    if (!kept.error.isEmpty()) {
      if (prompts_->error) prompts_->error(kept.error);
      return false;
    }
    if (!kept.path.isEmpty()) tell(templatefile::keptMessage(kept));
  }
  game_.orders.setLines(*lines);
  game_.orders.setUnsaved(true);
  page_->showModel();
  tell(QStringLiteral("%1 geöffnet; „Zugvorlage Speichern“ schreibt sie als Zugvorlage der Runde.").arg(entry.fileName));
  return true;
}

void OrdersController::copyToClipboard(const QString& why) {
  const QString text = game_.orders.text();
  if (clipboard_)
    clipboard_(text);
  else if (QClipboard* board = QGuiApplication::clipboard())
    board->setText(text);
  if (prompts_->error)
    prompts_->error(why + QStringLiteral("\nDie Befehle wurden in die Zwischenablage kopiert; bitte selbst an den "
                                         "Spielserver senden."));
}

bool OrdersController::BefehleVersenden1Click() {
  if (game_.status.datum.isEmpty()) {
    if (prompts_->error) prompts_->error(QStringLiteral("Es ist noch kein CR eingelesen; es gibt keine Befehle zu versenden."));
    return false;
  }
  if (!passwordChecked()) return false;
  if (!page_->Speichern1Click()) return false;
  const QString file = templatefile::filePath(game_.session, game_.status.datum);
  const serveraccess::Access access = serveraccess::load(game_.session);
  const QString program = findMailProgram_ ? findMailProgram_() : ordersend::findMailProgram();
  const QString why = ordersend::whyNotSendable(access, program);
  if (!why.isEmpty()) {
    copyToClipboard(why);
    return false;
  }
  const QString error = ordersend::start(ordersend::mailCall(program, access, file));
  if (!error.isEmpty()) {
    copyToClipboard(error);
    return false;
  }
  tell(QStringLiteral("Die Befehle (%1) wurden dem Mailprogramm übergeben: an %2, Betreff „%3“.")
           .arg(file, access.mailTo, access.mailCmd));
  return true;
}

void OrdersController::passwordChanged(const QString& password) {
  if (password.isEmpty()) return;
  page_->commitToModel();
  const std::optional<QStringList> lines = templatepassword::withPassword(game_.orders.lines(), password);
  if (!lines) return;
  game_.orders.setLines(*lines);
  game_.orders.setUnsaved(true);
  page_->showModel();
  tell(QStringLiteral("Das Passwort steht jetzt in der Zugvorlage."));
}

bool OrdersController::mayClose() {
  return saveOrDropBefore(QStringLiteral("Die Zugvorlage wurde noch nicht gespeichert. Vor dem Beenden speichern?"));
}
