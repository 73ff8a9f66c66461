#include "report/blockreaders.h"
#include "report/importstate.h"

// Placeholder until the reader is written.
void getEinheitenInfo(ImportState& state) { state.fail(QStringLiteral("getEinheitenInfo ist noch nicht eingebaut.")); }
