#pragma once
// "Besitztümer": the possessions of the current round beside those of an
// earlier one.
#include <QDialog>
#include <functional>

#include "views/possessionsfile.h"

struct GameSession;

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class TForm9 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm9(QWidget* parent = nullptr);

  using MessageSink = std::function<void(const QString&)>;
  // The open game whose files are shown, and where the messages go.
  void setSession(const GameSession* session) { session_ = session; }
  void setMessageSink(MessageSink sink) { inform_ = std::move(sink); }

  // "Besitztümer auflisten" of the main window: shows the window with the
  // current round's tree and the previous round in Edit1.
  void ToolButton6Click();
  // "Historische Daten anzeigen": the tree of the round typed in Edit1.
  void Button1Click();

  QLabel* Label1;          // "aktuelle Daten"
  QTreeWidget* TreeView1;  // current round
  QPushButton* Button1;    // "Historische Daten anzeigen"
  QLineEdit* Edit1;        // round of the right tree
  QTreeWidget* TreeView2;  // chosen round

 private:
  void show(QTreeWidget* tree, const possessionsfile::Loaded& loaded);

  const GameSession* session_ = nullptr;
  MessageSink inform_;
};
