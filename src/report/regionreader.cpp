#include "report/blockreaders.h"
#include "report/importstate.h"

// Placeholder until the reader is written.
void getRegionInfo(ImportState& state) { state.fail(QStringLiteral("getRegionInfo ist noch nicht eingebaut.")); }
