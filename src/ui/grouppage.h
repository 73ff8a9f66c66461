#pragma once
// The page "Gruppierungen": filters and the list of grouped units, and the
// group menu on the column "Gruppe".
#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;
struct OpenGame;

class GroupPage : public QWidget {
  Q_OBJECT
 public:
  using ErrorSink = std::function<void(const QString&)>;

  explicit GroupPage(QWidget* parent = nullptr);

  // The open game whose units are listed and changed.
  void setGame(OpenGame* game) { game_ = game; }
  void setErrorSink(ErrorSink sink) { reportError_ = std::move(sink); }
  // Fills the party lookup from the slot's parties.
  void refreshParties();

  // "Bericht": lists the units that pass the filters.
  void Button2Click() { Gruppierungen(); }
  void Gruppierungen();
  // A mouse press at `pos` (grid viewport coordinates): the right button on
  // a group cell selects its row and opens the group menu.
  void StringGrid4MouseDown(Qt::MouseButton button, const QPoint& pos);
  // Stores the group shown in column 0 of the selected row for its unit.
  void groupchange();

  QComboBox* ComboBox1;           // "Gruppe"
  QComboBox* DBLookupComboBox1;   // "Partei Name"
  QLineEdit* DBEdit4;             // Partei Nr of the chosen faction
  QLineEdit* Edit18;              // "Einheit Nr"
  QLineEdit* Edit17;              // "Einheit Name"
  QComboBox* ComboBox3;           // "Info Datum" comparison
  QLineEdit* Edit19;              // round of the round filter
  QLineEdit* Edit20;              // units found
  QPushButton* Button2;           // "Bericht"
  QTableWidget* StringGrid4;
  QLabel* Label8;
  QMenu* PopupMenu1;              // the groups a unit can be given

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void chooseGroup(const QString& group);
  void fail(const QString& message);

  OpenGame* game_ = nullptr;
  ErrorSink reportError_;
};
