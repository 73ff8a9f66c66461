#pragma once
// What a report line is, as every reader's loops test it: a value line, the
// header of a top-level block, or a line holding a stop key. Keys are found
// by case-sensitive substring search, but never in a value line: a quoted
// name or text ("Die PARTEI Nord", "REGIONALBURG") is data, whatever words
// it holds.
#include <QLatin1StringView>
#include <QStringView>
#include <initializer_list>

namespace reportlines {

// Whether `key` occurs in `text`. A plain search: report lines and keys are
// short, and the general search costs more in setting up than in searching.
inline bool contains(QStringView text, QStringView key) {
  const qsizetype n = text.size();
  const qsizetype m = key.size();
  if (m == 0) return true;
  const char16_t* t = text.utf16();
  const char16_t* k = key.utf16();
  for (qsizetype i = 0; i + m <= n; ++i) {
    if (t[i] != k[0]) continue;
    qsizetype j = 1;
    while (j < m && t[i + j] == k[j]) ++j;
    if (j == m) return true;
  }
  return false;
}

// The first `c` in `text`, or -1, by the same plain scan.
inline qsizetype indexOf(QStringView text, char16_t c) {
  const char16_t* t = text.utf16();
  for (qsizetype i = 0, n = text.size(); i < n; ++i)
    if (t[i] == c) return i;
  return -1;
}

inline bool contains(QStringView text, QLatin1StringView key) {
  const qsizetype n = text.size();
  const qsizetype m = key.size();
  if (m == 0) return true;
  const char16_t* t = text.utf16();
  const char* k = key.data();
  for (qsizetype i = 0; i + m <= n; ++i) {
    if (t[i] != char16_t(uchar(k[0]))) continue;
    qsizetype j = 1;
    while (j < m && t[i + j] == char16_t(uchar(k[j]))) ++j;
    if (j == m) return true;
  }
  return false;
}

// A quoted value as the game means it: a report writes a quote inside the
// quotes as \" and a backslash as \\.
QString unescape(QStringView text);

// A line that begins with a double quote holds a value.
inline bool isValue(QStringView line) { return !line.isEmpty() && line.front() == u'"'; }

// `key` occurs in a line that is not a value.
inline bool hasKey(QStringView line, QLatin1StringView key) { return !isValue(line) && contains(line, key); }

// True for the header of a top-level block of the format that no block or
// section reader reads (TRANSLATION, ZAUBER 7, TRANK 3, MESSAGETYPE 5,
// PARTEI 12, BATTLE 1 2, ALLIANZ 9, GRUPPE 4, ...): it ends whatever section
// or block runs into it.
bool isTopLevelBlock(QStringView line);

// A section or block loop ends before `line`: it is the header of a
// top-level block, or a non-value line containing one of `stops`.
bool endsSection(QStringView line, std::initializer_list<QLatin1StringView> stops);

// True when `line` could hold one of the capitalised stop keys at all: it
// has two capital letters in a row. Lets the loops skip their key searches
// on the many value and number lines.
bool mayHoldKeyword(QStringView line);

}  // namespace reportlines
