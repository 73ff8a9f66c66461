#pragma once
// The alliance and faction parts of the report before the first region.
// Each is entered on its first header line and leaves the current line on
// the first line after what it read.
struct ImportState;

// "ALLIANZ n" blocks: name and help status, one line each on "Status".
void readAllianzBlocks(ImportState& state);
// The old "ALLIIERTE" list of three-line entries.
void readAlliierteList(ImportState& state);
// "PARTEI n" blocks of other factions into the faction table.
void readParteiBlocks(ImportState& state);
// The old "ADRESSEN" list of faction entries.
void readAdressenList(ImportState& state);
