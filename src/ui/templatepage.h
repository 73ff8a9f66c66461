#pragma once
// The page "Zugvorlage": the order template editor, its saved indicator and
// the search field.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class OrderTemplate;
class SavedIndicator;

class TemplatePage : public QWidget {
  Q_OBJECT
 public:
  explicit TemplatePage(QWidget* parent = nullptr);

  // The model the editor shows; edits set its unsaved flag.
  void setModel(OrderTemplate* model) { model_ = model; }
  // Shows the model's lines without counting that as a change, and colours
  // the indicator by its flag.
  void showModel();
  // Puts the editor's text into the model (before it is saved or read).
  void commitToModel();
  void clear();
  // After a save: the flag is cleared and the indicator green.
  void markSaved();

  // Finds the search text after the selection (from the start when nothing
  // is selected), case-sensitively and without wrapping; selects it.
  // Returns false when there is no further occurrence.
  bool Button3Click();

  QPlainTextEdit* RichEdit4;
  SavedIndicator* Shape1;
  QLabel* StaticText1;
  QLineEdit* Edit24;
  QPushButton* Button3;

 signals:
  // The editor text changed by the player.
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RichEdit4Change();

  OrderTemplate* model_ = nullptr;
  bool loading_ = false;
};
