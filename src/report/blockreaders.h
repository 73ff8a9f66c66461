#pragma once
// The readers of the report's sections and blocks. Each is entered with
// state.currentLine on its header line and returns with it on the last line
// of its block, so that the driver's own step lands on the next header.
struct ImportState;

// Messages, battles, alliances and factions before the first region.
// Stops on the first line that contains "REGION ".
void readSections(ImportState& state);

void getRegionInfo(ImportState& state);    // REGION
void getBurgInfo(ImportState& state);      // BURG
void getSchiffInfo(ImportState& state);    // SCHIFF
void getEinheitenInfo(ImportState& state); // EINHEIT
