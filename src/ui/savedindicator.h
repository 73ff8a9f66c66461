#pragma once
// The small circle beside "Autosave": red while the order template has
// unsaved changes, green once it is saved.
#include <QColor>
#include <QWidget>

class SavedIndicator : public QWidget {
  Q_OBJECT
 public:
  explicit SavedIndicator(QWidget* parent = nullptr);
  void setSaved(bool saved);
  QColor color() const { return color_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor color_;
};
