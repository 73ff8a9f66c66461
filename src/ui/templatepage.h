#pragma once
// The page "Zugvorlage": the order template editor, its saved indicator,
// the search field, and saving the template (explicitly, under a chosen
// name, and every five minutes by the timer).
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class OrderTemplate;
class ProblemsPanel;
class OrdersCompleter;
class SavedIndicator;
struct GameSession;
struct StatusFields;

class TemplatePage : public QWidget {
  Q_OBJECT
 public:
  // Asks for the file of "Speichern unter..."; empty when cancelled.
  using FileChooser = std::function<QString()>;
  using ErrorSink = std::function<void(const QString&)>;
  // A question with buttons, answered by the index of the chosen one.
  using Chooser = std::function<int(const QString&, const QStringList&)>;

  // The autosave timer starts here and runs for the whole program run.
  explicit TemplatePage(QWidget* parent = nullptr);

  // The model the editor shows; edits set its unsaved flag.
  void setModel(OrderTemplate* model) { model_ = model; }
  // Shows the model's lines without counting that as a change, and colours
  // the indicator by its flag.
  void showModel();
  // Puts the editor's text into the model (before it is saved or read).
  void commitToModel();
  // Puts the cursor on line `line` (from 0) and scrolls it into the middle.
  void showLine(int line);
  void clear();
  // After a save: the flag is cleared and the indicator green.
  void markSaved();

  // The turn the template belongs to: slot and program folder, and the
  // status fields whose "Datum" names the file. Set once a game is open;
  // before that nothing is saved.
  void setTurn(const GameSession* session, const StatusFields* status);
  // Where failed saves are reported (the window's error message).
  void setErrorSink(ErrorSink sink) { reportError_ = std::move(sink); }
  // Where the automatic save says why it left the file alone or failed
  // (status bar); an empty text clears it.
  void setStatusSink(ErrorSink sink) { reportStatus_ = std::move(sink); }
  // Where the automatic save tells once that it left a changed file alone
  // (the window's notice); the status bar keeps saying it.
  void setNoticeSink(ErrorSink sink) { reportNotice_ = std::move(sink); }
  // Asks what "Speichern" does with a file another program changed.
  void setChooser(Chooser chooser) { choose_ = std::move(chooser); }
  // Replaces the save dialog (tests answer it).
  void setSaveAsChooser(FileChooser chooser) { chooseSaveAs_ = std::move(chooser); }

  // "Zugvorlage Speichern": under the turn's file name. When another
  // program changed that file since it was loaded or saved, asks whether to
  // overwrite it or to load it. True when written.
  bool Speichern1Click();
  // "Zugvorlage Speichern unter...": to a file chosen in the dialog; a
  // cancelled dialog writes nothing and keeps the flag. True when written.
  bool ZugVorlageSpeichern1Click();
  // The timer: saves under the turn's file name when there are unsaved
  // changes, unless no game is open or the window is disabled (an import
  // or the options dialog is running). A file another program changed is
  // left alone; the indicator stays red and the status bar says why.
  void Timer1Timer();

  // Finds the search text after the selection (from the start when nothing
  // is selected), case-sensitively and without wrapping; selects it.
  // Returns false when there is no further occurrence.
  bool Button3Click();

  QPlainTextEdit* RichEdit4;
  SavedIndicator* Shape1;
  QLabel* StaticText1;
  QLineEdit* Edit24;
  QPushButton* Button3;
  QTimer* Timer1;
  ProblemsPanel* problems;  // "Probleme" below the template
  OrdersCompleter* completion;

 signals:
  // The editor text changed by the player.
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RichEdit4Change();
  bool canSave() const { return model_ && session_ && status_; }
  QString askSaveAsPath();
  // Colours the indicator by the flag and reports a failed write.
  bool finishSave(const QString& error);
  // "Speichern" over a file changed on disk: true when it may be written.
  bool resolveDiskChange();

  OrderTemplate* model_ = nullptr;
  const GameSession* session_ = nullptr;
  const StatusFields* status_ = nullptr;
  ErrorSink reportError_;
  ErrorSink reportStatus_;
  ErrorSink reportNotice_;
  Chooser choose_;
  FileChooser chooseSaveAs_;
  bool loading_ = false;
  bool reporting_ = false;  // an error message is open
  bool autosaveFailing_ = false;
  bool skipNoticed_ = false;  // the player was told the automatic save left a file alone
};
