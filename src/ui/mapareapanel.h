#pragma once
// The map side of the main window: the world map in its scroll box with
// the three overlay images, and below it the small map with its overlay,
// title and arrows.
#include <QWidget>

#include "ui/mapimage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class UpDown;

class MapAreaPanel : public QWidget {
  Q_OBJECT
 public:
  explicit MapAreaPanel(QWidget* parent = nullptr);

  QScrollArea* ScrollBox1;
  MapImage* Image82;  // world map
  MapImage* Image3;   // ships overlay
  MapImage* Image2;   // own units overlay
  MapImage* Image4;   // region messages overlay
  MapImage* Image6;   // region names from 4× on, above every overlay
  QLabel* Panel1;   // title above the small map
  QLabel* Image1;   // small map
  QLabel* Image5;   // roads and marks over the small map
  UpDown* UpDown1;  // north / south
  UpDown* UpDown2;  // west / east
  QComboBox* DBLookupComboBox3;  // the slot's levels
  QLineEdit* DBEdit32;           // name of the chosen level
  QPushButton* Button9;          // "Wechsel zu Ebene"
};
