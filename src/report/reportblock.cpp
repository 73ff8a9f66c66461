#include "report/reportblock.h"

#include <QVarLengthArray>

#include "report/importstate.h"
#include "report/reportlines.h"

namespace {

bool isCapital(QChar c) { return c.unicode() >= 'A' && c.unicode() <= 'Z'; }

}  // namespace

const BlockEntry* BlockPart::first(QLatin1StringView key) const {
  for (const BlockEntry& e : entries)
    if (e.key == key) return &e;
  return nullptr;
}

const BlockEntry* BlockPart::last(QLatin1StringView key) const {
  for (qsizetype i = entries.size() - 1; i >= 0; --i)
    if (entries.at(i).key == key) return &entries.at(i);
  return nullptr;
}

const BlockPart* ReportBlock::sub(QLatin1StringView name) const {
  for (const BlockPart& p : subs)
    if (p.name == name) return &p;
  return nullptr;
}

namespace reportblock {

bool isHeader(QStringView line) {
  if (line.size() < 2 || !isCapital(line.at(0)) || !isCapital(line.at(1))) return false;
  for (QChar c : line)
    if (c == u';' || c == u'"') return false;
  return true;
}

QStringView headerName(QStringView line) {
  const qsizetype blank = reportlines::indexOf(line, u' ');
  return blank < 0 ? line : line.left(blank);
}

bool splitEntry(QStringView line, QStringView& value, QStringView& key) {
  qsizetype at = -1;
  if (reportlines::isValue(line)) {
    for (qsizetype i = 1; i + 1 < line.size(); ++i) {
      if (line.at(i) == u'\\') {
        ++i;  // an escaped quote or backslash is text
        continue;
      }
      if (line.at(i) == u'"' && line.at(i + 1) == u';') {
        at = i + 1;
        break;
      }
    }
  } else {
    at = reportlines::indexOf(line, u';');
  }
  if (at < 0) return false;
  value = line.left(at);
  key = line.mid(at + 1);
  return true;
}

ReportBlock read(const ImportState& state, int headerIndex, const std::function<bool(QStringView)>& endsBlock) {
  ReportBlock block;
  block.entryStore.reserve(32);
  block.listStore.reserve(32);
  block.subs.reserve(8);
  // Where each part's entries and list lines begin in the stores; the ranges
  // are set once the stores no longer grow.
  struct Start {
    std::size_t entries = 0, lists = 0;
  };
  QVarLengthArray<Start, 8> starts;
  starts.append(Start{});
  block.own.header = state.lineAt(headerIndex);
  block.own.name = headerName(block.own.header);
  block.own.headerIndex = headerIndex;
  BlockPart* part = &block.own;
  int i = headerIndex + 1;
  for (const int count = state.lineCount(); i < count; ++i) {
    const QStringView line = state.lineAt(i);
    if (isHeader(line)) {
      if (endsBlock(line)) break;
      part->endIndex = i;
      block.subs.append(BlockPart{line, headerName(line), i, {}, {}, 0});
      part = &block.subs.last();
      starts.append(Start{block.entryStore.size(), block.listStore.size()});
      continue;
    }
    BlockEntry e;
    if (splitEntry(line, e.value, e.key)) {
      e.line = line;
      e.index = i;
      block.entryStore.push_back(e);
    } else {
      block.listStore.push_back(i);
    }
  }
  part->endIndex = i;
  block.endIndex = i;
  starts.append(Start{block.entryStore.size(), block.listStore.size()});
  for (qsizetype p = 0; p + 1 < starts.size(); ++p) {
    BlockPart& target = p == 0 ? block.own : block.subs[p - 1];
    const Start& from = starts.at(p);
    const Start& to = starts.at(p + 1);
    target.entries = BlockRange<BlockEntry>(block.entryStore.data() + from.entries, qsizetype(to.entries - from.entries));
    target.listLines = BlockRange<int>(block.listStore.data() + from.lists, qsizetype(to.lists - from.lists));
  }
  return block;
}

}  // namespace reportblock
