#pragma once
// The lines under a REGION header, read as one keyed block: its attribute
// values, and the sections that stand among or after them (prices,
// resources, borders, surroundings, passing through, effects, messages and
// the four region texts), in whatever order the report gives them. A block
// these readers do not know (SCHEMEN, ...) is kept aside with its lines.
#include <QString>
#include <QStringView>

struct ImportState;
struct ReportBlock;
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

// The header line of the next unit, building, ship, region or top-level
// block, which ends the region's block; a section header of the region does not.
bool endsRegionBlock(QStringView header);

// The line the sections start on: the first known section's header, or the
// first line after the block.
int firstSectionLine(const ReportBlock& block);

// The attribute values of the block, wherever they stand: in the region's
// own lines or among the lines of its prices, resources and borders, whose
// own keys are other ones. A later value of a key wins.
void readAttributes(ImportState& state, Table& row, const ReportBlock& block);

// The sections of the block in report order.
void readRegionSections(RegionContext& region, const ReportBlock& block);

}  // namespace regionsections
