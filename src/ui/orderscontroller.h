#pragma once
// What the player does with the week's orders beyond editing them: saving
// with the warning about a missing password, reopening a template file the
// program kept, sending the orders to the game server, and the question
// before the program closes over unsaved orders.
#include <QObject>
#include <QStringList>
#include <functional>

class TemplatePage;
struct OpenGame;
struct Prompts;

class OrdersController : public QObject {
  Q_OBJECT
 public:
  // Picks one of the listed files; -1 when the player cancels.
  using FileChoice = std::function<int(const QStringList& labels)>;
  using TextSink = std::function<void(const QString&)>;

  OrdersController(QWidget* window, OpenGame& game, TemplatePage* page, const Prompts* prompts);

  void setOpenOptions(std::function<void()> open) { openOptions_ = std::move(open); }
  void setStatusSink(TextSink sink) { status_ = std::move(sink); }
  // For tests: the file choice and the clipboard.
  void setFileChoice(FileChoice choice) { chooseFile_ = std::move(choice); }
  void setClipboard(TextSink clipboard) { clipboard_ = std::move(clipboard); }
  // For tests: where the mail program is looked for (default: PATH).
  void setMailProgramFinder(std::function<QString()> finder) { findMailProgram_ = std::move(finder); }

  // Before the template is saved, checked or sent: a template without a
  // password is named, and the options offered ("Ja" opens them and stops
  // the action). True when the action goes on.
  bool passwordChecked();
  // "Zugvorlage Speichern" and "... Speichern unter..." with that warning.
  bool Speichern1Click();
  bool ZugVorlageSpeichern1Click();
  // "Zugvorlage öffnen…": a template file of the slot into the editor, as
  // unsaved changes of the turn's template. True when one was loaded.
  bool ZugvorlageOeffnen1Click();
  // "Befehle versenden": saves, checks the password, hands the file to the
  // mail program. Without one (or without the server's address) says so and
  // copies the orders to the clipboard. True when the mail program started.
  bool BefehleVersenden1Click();
  // The options took a password: the template's PARTEI line carries it.
  void passwordChanged(const QString& password);
  // Closing with unsaved orders: "Speichern", "Nicht speichern",
  // "Abbrechen". True when the window may close; a failed save keeps it open.
  bool mayClose();

 private:
  // Unsaved orders before another file replaces them: saved, dropped or
  // kept (the player chooses). True when the replacing may go on.
  bool saveOrDropBefore(const QString& question);
  void tell(const QString& message);
  void copyToClipboard(const QString& why);

  QWidget* window_;
  OpenGame& game_;
  TemplatePage* page_;
  const Prompts* prompts_;
  std::function<void()> openOptions_;
  TextSink status_;
  FileChoice chooseFile_;
  TextSink clipboard_;
  std::function<QString()> findMailProgram_;
};
