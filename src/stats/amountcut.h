#pragma once
// Cutting a decimal amount out of a message line, shared by the summaries.
#include <QString>
#include <QStringView>
#include <optional>

#include "game/textutil.h"

namespace summaries::detail {

// The amount from `start` up to `back` characters before the first `endKey`
// that follows `start`. Searching the end only after the start keeps a word
// in a unit or region name (before the amount) from cutting the amount
// short. No amount when the start is unknown, the end key is missing or the
// cut is empty or not a strict decimal integer.
inline std::optional<qint32> cutAmount(QStringView line, qsizetype start, QStringView endKey, int back) {
  if (start < 0 || start > line.size()) return std::nullopt;
  const qsizetype key = line.indexOf(endKey, start);
  if (key < 0) return std::nullopt;
  const qsizetype end = key - back;
  if (end <= start) return std::nullopt;
  return textutil::strictInt(line.sliced(start, end - start));
}

// The amount that starts right after the first `startKey`.
inline std::optional<qint32> amountAfter(QStringView line, QStringView startKey, QStringView endKey, int back) {
  const qsizetype s = line.indexOf(startKey);
  if (s < 0) return std::nullopt;
  return cutAmount(line, s + startKey.size(), endKey, back);
}

// At most the first 81 characters: the line text the error messages quote.
inline QString currentLineText(QStringView line) { return line.left(81).toString(); }

}  // namespace summaries::detail
