#pragma once
// What the group, army and ship reports share: rows made of one text line
// with numbered markers ("*1;", "*2;", ...) between the values, ordered by
// that line without regard to case, and the check of the whole-number
// fields the reports are filtered by.
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>
#include <array>
#include <optional>

namespace reportgrid {

// One listed row: the composed line (the sort key) and where each value
// lies in it. The spans are recorded while the line is built rather than
// found again at the markers, so a name that itself holds a marker stays in
// its column.
class Row {
 public:
  static constexpr int kMaxValues = 16;

  const QString& line() const { return line_; }
  int valueCount() const { return count_; }
  QStringView cell(int i) const {
    return i < count_ ? QStringView(line_).mid(spans_[i].first, spans_[i].second) : QStringView();
  }
  // The first `columns` values as texts.
  QStringList cells(int columns) const;

  // Appends a value, after the marker "*n;" when it is not the first.
  void add(QStringView value);
  void addNumber(qint64 n);

 private:
  void beginValue();

  QString line_;
  std::array<std::pair<int, int>, kMaxValues> spans_{};
  int count_ = 0;
};

// Orders the rows by their line, case-insensitively; equal lines keep the
// order they were found in.
void sortRows(QList<Row>& rows);

// The field's text as a whole number, or a German message naming the field
// (also for an empty field).
std::optional<qint32> wholeNumber(const QString& text, const QString& fieldName, QString* error);

// The party condition of a report: null for "-2" (every party), else the
// party number; std::nullopt with the German message when it is no number.
std::optional<QVariant> partyCondition(const QString& partyNumber, QString* error);

}  // namespace reportgrid
