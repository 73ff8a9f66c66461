#include "ui/mapareapanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "ui/formhelpers.h"
#include "ui/mapimage.h"
#include "ui/updown.h"

using formhelpers::named;

namespace {
// A transparent layer over `base`, the same size and place.
template <typename Image = QLabel>
Image* overlay(const char* name, QLabel* base) {
  auto* layer = named(new Image(base), name);
  layer->setAttribute(Qt::WA_TransparentForMouseEvents);
  layer->setAttribute(Qt::WA_TranslucentBackground);
  layer->setGeometry(base->rect());
  layer->hide();
  return layer;
}
}  // namespace

MapAreaPanel::MapAreaPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MapArea"));
  ScrollBox1 = named(new QScrollArea, "ScrollBox1");
  Image82 = named(new MapImage, "Image82");
  Image82->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image82->setMouseTracking(true);
  ScrollBox1->setWidget(Image82);
  ScrollBox1->setWidgetResizable(false);
  Image3 = overlay<MapImage>("Image3", Image82);
  Image2 = overlay<MapImage>("Image2", Image82);
  Image4 = overlay<MapImage>("Image4", Image82);
  Image6 = overlay<MapImage>("Namen", Image82);

  Panel1 = named(new QLabel, "Panel1");
  Panel1->setAlignment(Qt::AlignCenter);
  Panel1->setFrameShape(QFrame::Panel);
  Image1 = named(new QLabel, "Image1");
  Image1->setFixedSize(261, 261);
  Image1->setMouseTracking(true);
  Image5 = overlay("Image5", Image1);
  Image5->show();
  UpDown1 = named(new UpDown(Qt::Vertical), "UpDown1");
  UpDown2 = named(new UpDown(Qt::Horizontal), "UpDown2");

  DBLookupComboBox3 = named(new QComboBox, "DBLookupComboBox3");
  DBEdit32 = formhelpers::lineEdit("DBEdit32", true);
  Button9 = named(new QPushButton(QStringLiteral("Wechsel zu Ebene")), "Button9");
  auto* levelRow = new QHBoxLayout;
  levelRow->addWidget(DBLookupComboBox3);
  levelRow->addWidget(DBEdit32, 1);
  levelRow->addWidget(Button9);

  auto* small = new QGridLayout;
  small->addWidget(Panel1, 0, 0, 1, 2);
  small->addWidget(Image1, 1, 0);
  small->addWidget(UpDown1, 1, 1, Qt::AlignVCenter);
  small->addWidget(UpDown2, 2, 0, Qt::AlignHCenter);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(ScrollBox1, 1);
  layout->addLayout(small);
  layout->addLayout(levelRow);
}
