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
#include <algorithm>
#include <functional>
#include <vector>

struct ImportState;

// A value;key line. For a quoted value the key starts after the first `";`
// (a ";" inside the quotes belongs to the text), else after the first ";".
struct BlockEntry {
  QStringView line;   // the whole line
  QStringView value;  // text before the key's ";" (quotes included)
  QStringView key;    // text after it
  int index = 0;      // line index in the report
};

// A read-only run of a block's entries or list lines, with the parts of the
// QList interface the readers use. It points into the block's own store.
template <typename T>
class BlockRange {
 public:
  BlockRange() = default;
  BlockRange(const T* data, qsizetype size) : data_(data), size_(size) {}
  const T* begin() const { return data_; }
  const T* end() const { return data_ + size_; }
  qsizetype size() const { return size_; }
  bool isEmpty() const { return size_ == 0; }
  const T& at(qsizetype i) const {
    Q_ASSERT(i >= 0 && i < size_);
    return data_[i];
  }
  const T& operator[](qsizetype i) const { return at(i); }
  const T& first() const { return at(0); }
  const T& last() const { return at(size_ - 1); }
  friend bool operator==(const BlockRange& a, const QList<T>& b) { return std::equal(a.begin(), a.end(), b.begin(), b.end()); }

 private:
  const T* data_ = nullptr;
  qsizetype size_ = 0;
};

// Lines of one header line and what follows it up to the next header.
struct BlockPart {
  QStringView header;    // "COMMANDS", "KAMPFZAUBER 3", ...; empty for the block's own lines
  QStringView name;      // the header's first word
  int headerIndex = -1;  // line index of the header
  BlockRange<BlockEntry> entries;
  BlockRange<int> listLines;  // quoted lines and lines without a key, in order
  int endIndex = 0;      // index of the first line after the part

  // The entry whose key equals `key`: the first or the last in the block.
  const BlockEntry* first(QLatin1StringView key) const;
  const BlockEntry* last(QLatin1StringView key) const;
};

// Moves keep the parts' ranges valid (the stores' buffers move along);
// copies would not, so there are none.
struct ReportBlock {
  ReportBlock() = default;
  ReportBlock(ReportBlock&&) = default;
  ReportBlock& operator=(ReportBlock&&) = default;
  ReportBlock(const ReportBlock&) = delete;
  ReportBlock& operator=(const ReportBlock&) = delete;

  BlockPart own;            // the header and the lines before the first sub-block
  QList<BlockPart> subs;    // sub-blocks in report order
  int endIndex = 0;         // index of the first line after the block

  // The first sub-block of that name, or null.
  const BlockPart* sub(QLatin1StringView name) const;

  // Every part's entries and list lines, one after the other: a block costs
  // a few allocations, not a few per part.
  std::vector<BlockEntry> entryStore;
  std::vector<int> listStore;
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
