#pragma once
// The report's first lines: version, header values, round and date.
#include <QString>

struct ImportState;

namespace reportheader {

// The version number of line 0 ("VERSION 64"); ImportError when it is no number.
int readVersion(ImportState& state);
bool versionSupported(int version);  // 34 to 45 read without question
QString versionQuestion();

// What the header walk found that ends the import.
enum class HeaderResult { Read, WrongGameType };

// Walks the header from the current line: the report's own value lines and
// those of the first faction block, passing over blocks that stand before
// it. Stops on the first header after the faction's lines, on a section
// header or on a line without a key (the current line stays there).
HeaderResult readHeader(ImportState& state);
QString wrongGameTypeMessage();
// Asked before a report of round `round` is read into a slot whose newest
// report is of round `newest` (both round codes). It names both turns as the
// game counts them, with their dates.
QString olderRoundQuestion(qint32 round, qint32 newest, bool molvanth);
// The turn number of the game (";Runde") back from a round code.
qint32 gameRound(qint32 roundCode);

// The round code and the date text of a round number.
struct RoundDate {
  qint32 roundCode;
  QString dateText;
};
RoundDate roundDate(qint32 round, bool molvanth);

// Reads the round from the current line (";Runde").
void getDatum(ImportState& state);
// "Punkte :" from the current line, "Punkte mittel:" from the next one.
void getPunkte(ImportState& state);

}  // namespace reportheader
