#pragma once
// The report's body as the import reads it after the header: the template's
// first lines, the own faction's row, the key filters and the walk over the
// region, building, ship and unit blocks.
struct ImportState;

namespace reportbody {

// The template's first lines: faction and password, the checker directive.
void startTemplate(ImportState& s);
void writeOwnFactionRow(ImportState& s);
// Read inside the import's transaction, after the sections: the filters
// then know every row a block reader could find.
void loadKeyFilters(ImportState& s);
// Hands every block line to its reader, up to the message types.
void walkBlocks(ImportState& s);

}  // namespace reportbody
