#include "ui/maplayertoggle.h"

#include <QToolButton>

#include "ui/mapimage.h"

MapLayerToggle::MapLayerToggle(QToolButton* button, MapImage* picture, Texts texts, Draw draw, Show show,
                               std::function<void()> hidden)
    : button_(button),
      picture_(picture),
      texts_(std::move(texts)),
      draw_(std::move(draw)),
      show_(std::move(show)),
      hidden_(std::move(hidden)) {}

bool MapLayerToggle::shown() const { return button_->toolTip() != texts_.show; }

QStringList MapLayerToggle::toggle() {
  if (shown()) {
    button_->setToolTip(texts_.show);
    picture_->hide();
    picture_->clear();
    picture_->setPainter({});
    layer_ = MapLayer{};
    if (hidden_) hidden_();
    return {};
  }
  std::optional<MapLayer> drawn = draw_();
  if (!drawn) return {};
  layer_ = std::move(*drawn);
  show_(picture_, layer_);
  if (layer_.any) button_->setToolTip(texts_.hide);
  return layer_.messages;
}

void MapLayerToggle::reshow() {
  if (!layer_.image.isNull() && !picture_->isHidden()) show_(picture_, layer_);
}

void MapLayerToggle::replace(const MapLayer& layer) {
  layer_ = layer;
  reshow();
}
