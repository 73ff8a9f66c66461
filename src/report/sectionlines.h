#pragma once
// Line helpers shared by the section readers.
#include <QLatin1StringView>

#include "report/importstate.h"
#include "report/reportblock.h"
#include "report/reportlines.h"

// The section walk ends on the first line that contains "REGION " and is
// not a value.
inline bool isRegionHeader(const QString& line) { return reportlines::hasKey(line, QLatin1StringView("REGION ")); }

// The block whose header is the current line, up to the next header of any
// kind: the sections before the first region have no sub-blocks, so a header
// the walk does not know is a block of its own that the walk passes by.
inline ReportBlock readSectionBlock(const ImportState& state) {
  return reportblock::read(state, state.currentLine, [](QStringView) { return true; });
}
