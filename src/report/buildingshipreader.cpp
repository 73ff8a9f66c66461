#include "report/blockreaders.h"
#include "report/importstate.h"

// Placeholders until the readers are written.
void getBurgInfo(ImportState& state) { state.fail(QStringLiteral("getBurgInfo ist noch nicht eingebaut.")); }
void getSchiffInfo(ImportState& state) { state.fail(QStringLiteral("getSchiffInfo ist noch nicht eingebaut.")); }
