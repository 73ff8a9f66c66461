#pragma once
// Line helpers shared by the section readers.
#include <QLatin1StringView>

#include "game/textutil.h"
#include "report/importerror.h"
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

// The strict number before the first ";" of line `index`; the import error
// names that line, which need not be the current one.
inline qint32 numberAt(const ImportState& state, int index) {
  const QString& line = state.lineAt(index);
  const qsizetype semicolon = line.indexOf(QLatin1Char(';'));
  const QStringView text = semicolon < 0 ? QStringView() : QStringView(line).left(semicolon);
  if (const auto value = textutil::strictInt(text)) return *value;
  throw ImportError(QStringLiteral("„%1“ ist keine gültige ganze Zahl.").arg(text.toString()), index, line);
}
