#pragma once
// One block of a report in keyed form, read before any rule is applied: its
// header line, its value;key lines, its quoted list lines and the sub-blocks
// that belong to it. Everything is a view into the report buffer, which
// outlives the block. A reader then takes the values by key and the
// sub-blocks by name, so the order the report gives them in does not matter,
// and lines it does not know are simply not asked for.
#include <QLatin1StringView>
#include <QList>
#include <QStringView>
#include <functional>

struct ImportState;

// A value;key line. For a quoted value the key starts after the first `";`
// (a ";" inside the quotes belongs to the text), else after the first ";".
struct BlockEntry {
  QStringView line;   // the whole line
  QStringView value;  // text before the key's ";" (quotes included)
  QStringView key;    // text after it
  int index = 0;      // line index in the report
};

// Lines of one header line and what follows it up to the next header.
struct BlockPart {
  QStringView header;    // "COMMANDS", "KAMPFZAUBER 3", ...; empty for the block's own lines
  QStringView name;      // the header's first word
  int headerIndex = -1;  // line index of the header
  QList<BlockEntry> entries;
  QList<int> listLines;  // quoted lines and lines without a key, in order
  int endIndex = 0;      // index of the first line after the part

  // The entry whose key equals `key`: the first or the last in the block.
  const BlockEntry* first(QLatin1StringView key) const;
  const BlockEntry* last(QLatin1StringView key) const;
};

struct ReportBlock {
  BlockPart own;            // the header and the lines before the first sub-block
  QList<BlockPart> subs;    // sub-blocks in report order
  int endIndex = 0;         // index of the first line after the block

  // The first sub-block of that name, or null.
  const BlockPart* sub(QLatin1StringView name) const;
};

namespace reportblock {

// A line that heads a block or sub-block: a capitalised word, alone or with
// a blank and numbers after it; never a value or a value;key line.
bool isHeader(QStringView line);
// The first word of a header line.
QStringView headerName(QStringView line);

// Splits a value;key line; false for a line that is none.
bool splitEntry(QStringView line, QStringView& value, QStringView& key);

// Reads the block whose header is at `headerIndex`. Every following header
// for which `endsBlock` holds ends it; any other header opens a sub-block.
ReportBlock read(const ImportState& state, int headerIndex, const std::function<bool(QStringView header)>& endsBlock);

}  // namespace reportblock
