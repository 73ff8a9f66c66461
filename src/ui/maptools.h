#pragma once
// The main window's map and database tools: exporting and importing map
// files, entering a region by hand (TForm4) and the unit cleanup (TForm10).
// The work is done by the library; this only asks, shows and enables.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class TForm1;
class TForm4;
struct RegionView;

class MapTools : public QObject {
  Q_OBJECT
 public:
  // The region the area export is centred on: the one the region view shows.
  struct ShownRegion {
    int x = 0;
    int y = 0;
    int level = 0;
    QString name;
  };
  // The region view's region; nothing while it shows no region with a row.
  static std::optional<ShownRegion> shownRegionOf(const RegionView& view);
  using ShownRegionSource = std::function<std::optional<ShownRegion>()>;
  // Asks for a file to write / to read; empty when the player cancels.
  using FileChooser = std::function<QString()>;
  // An input box: caption, prompt and default; cancelling gives the default.
  using TextAsker = std::function<QString(const QString&, const QString&, const QString&)>;

  // Connects the menu items of `window`.
  explicit MapTools(TForm1& window);

  void setShownRegionSource(ShownRegionSource source) { shownRegion_ = std::move(source); }
  void setSaveChooser(FileChooser chooser) { chooseSave_ = std::move(chooser); }
  void setOpenChooser(FileChooser chooser) { chooseOpen_ = std::move(chooser); }
  void setTextAsker(TextAsker asker) { askText_ = std::move(asker); }

  void Kartendatenexportieren1Click();
  void Kartenbereichexportieren1Click();
  void Kartendatenimportieren1Click();
  void Regioneingeben1Click();
  void Datenbankaufrumen1Click();

  // The region the last manual entry stored, as its position text.
  const QString& regionPosition() const { return regionPosition_; }

 private:
  QString saveFile();
  void saveManualRegion();
  void closeManualEntry();

  TForm1& window_;
  ShownRegionSource shownRegion_;
  FileChooser chooseSave_;
  FileChooser chooseOpen_;
  TextAsker askText_;
  QPointer<TForm4> connectedForm4_;
  QString regionPosition_;
};
