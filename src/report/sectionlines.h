#pragma once
// Line helpers shared by the section readers.
#include <QLatin1StringView>

#include "report/importstate.h"
#include "report/reportlines.h"

// The section walk ends on the first line that contains "REGION " and is
// not a value.
inline bool isRegionHeader(const QString& line) { return reportlines::hasKey(line, QLatin1StringView("REGION ")); }

// Whether a section reader may consume the line at `index`: it lies inside
// the buffer and is not a bare region header, so that a cut-off or empty
// section never swallows the first region. Value lines that merely mention
// "REGION " in their text hold a ";" or a quote and may be taken.
inline bool canTakeSectionLine(const ImportState& state, int index) {
  if (index < 0 || index >= state.lineCount()) return false;
  const QString& line = state.lineAt(index);
  return !isRegionHeader(line) || line.contains(QLatin1Char(';')) || line.contains(QLatin1Char('"'));
}
