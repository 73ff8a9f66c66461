#pragma once
// The lines under a REGION block: its attribute lines and the sections that
// stand among or after them (prices, resources, borders, surroundings, passing through,
// effects, messages and the four region texts). Each reader starts on the
// current line and leaves state.currentLine on the line that ended it.
#include <QString>
#include <QStringView>

struct ImportState;
class Table;

namespace regionsections {

// The region being read: its row (in edit or insert state) and what the
// report pages print about it.
struct RegionContext {
  ImportState& state;
  Table& row;
  QString name;      // Regionname
  QString position;  // regionPosition
  bool ocean = false;
};

// The attribute lines after the header, up to the first line that opens a
// section or a block. The first line is always read.
void readAttributes(ImportState& state, Table& row);

// The sections from the current line to the end of the block, wherever
// they stand and in any order.
void readRegionSections(RegionContext& region);

}  // namespace regionsections
