#pragma once
// The alliance and faction parts of the report before the first region.
// Each reads its blocks by their keys; it is entered on the first header
// and leaves the current line on the first line after what it read.
struct ImportState;

// "ALLIANZ n" blocks: name and help status, one line each on "Status".
void readAllianzBlocks(ImportState& state);
// The old "ALLIIERTE" list: an entry of number, name and status per faction.
void readAlliierteList(ImportState& state);
// "PARTEI n" blocks of other factions into the faction table.
void readParteiBlocks(ImportState& state);
// The old "ADRESSEN" list of faction entries.
void readAdressenList(ImportState& state);
