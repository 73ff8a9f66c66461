#include "ui/updown.h"

#include <QBoxLayout>
#include <QToolButton>

UpDown::UpDown(Qt::Orientation orientation, QWidget* parent) : QWidget(parent) {
  const bool vertical = orientation == Qt::Vertical;
  auto* layout = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::RightToLeft, this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  increase_ = new QToolButton(this);
  increase_->setArrowType(vertical ? Qt::UpArrow : Qt::RightArrow);
  decrease_ = new QToolButton(this);
  decrease_->setArrowType(vertical ? Qt::DownArrow : Qt::LeftArrow);
  layout->addWidget(increase_);
  layout->addWidget(decrease_);
  connect(increase_, &QToolButton::clicked, this, [this] { emit stepped(1); });
  connect(decrease_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}
