#pragma once
// The order template as lines, with the unsaved flag the indicator shows.
#include <QByteArray>
#include <QString>
#include <QStringList>

class OrderTemplate {
 public:
  const QStringList& lines() const { return lines_; }
  QStringList& lines() { return lines_; }
  int lineCount() const { return int(lines_.size()); }
  void clear() { lines_.clear(); }
  void add(const QString& line) { lines_ << line; }
  void insert(int index, const QString& line) { lines_.insert(index, line); }
  void setLines(const QStringList& lines) { lines_ = lines; }
  QString text() const;           // lines joined with "\n"
  void setText(const QString& text);

  bool unsaved() const { return unsaved_; }
  void setUnsaved(bool on) { unsaved_ = on; }

  // The template file as this program last loaded or saved it, to notice
  // when another program changed it since.
  struct DiskStamp {
    QString path;
    bool exists = false;
    QByteArray hash;
  };
  const DiskStamp& diskStamp() const { return disk_; }
  void setDiskStamp(const DiskStamp& stamp) { disk_ = stamp; }

 private:
  QStringList lines_;
  bool unsaved_ = false;
  DiskStamp disk_;
};
