#pragma once
// The report's lines as the readers see them: line i by its number, while a
// decoder on another thread may still be filling the lines after it and
// letting go of those the readers are done with.
//
// The lines are kept in chunks of a few thousand. Only the chunks between
// the last line let go and the last line decoded exist, so a large report
// never lies in memory whole as lines, and the decoder reuses the chunks it
// frees instead of asking the system for new pages.
//
// The reading side (at, releaseBefore, size) belongs to one thread, the
// filling side (waitForRoom, slot, publish, finishFilling) to another.
#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <vector>

class LineWindow {
 public:
  LineWindow() = default;
  LineWindow(const LineWindow&) = delete;
  LineWindow& operator=(const LineWindow&) = delete;
  // Every line at once, all of them ready.
  LineWindow& operator=(const QStringList& lines);
  // Frees every line; only when no decoder fills the window any more.
  void clear() { *this = QStringList(); }

  qsizetype size() const { return count_; }
  bool isEmpty() const { return count_ == 0; }
  // Line `index`, waiting while it is still being decoded; empty past the
  // end and for a line let go.
  const QString& at(qsizetype index) const;
  // Lets go of the lines before `index`, which no reader looks at again,
  // and lets the decoder go on.
  void releaseBefore(qsizetype index);
  qsizetype released() const { return released_; }

  // The filling side. Sizes the window for `count` lines, none ready yet;
  // the decoder keeps at most `ahead` lines beyond those let go (0: no limit).
  void startFilling(qsizetype count, qsizetype ahead);
  // Waits until line `index` may be decoded, frees the chunks let go, and
  // gives the limit the lines may be decoded up to.
  qsizetype waitForRoom(qsizetype index);
  // Where line `index` goes.
  QString& slot(qsizetype index);
  // Lines below `index` are ready.
  void publish(qsizetype index);
  // No more lines come: every one counts as ready (those never decoded are
  // empty) and the reader never waits again.
  void finishFilling();
  // No limit any more: the decoder decodes to the end.
  void allowAll();

 private:
  static constexpr int kChunkBits = 12;
  static constexpr qsizetype kChunkLines = qsizetype(1) << kChunkBits;
  using Chunk = std::unique_ptr<QString[]>;

  void allow(qsizetype limit) const;
  void freeReleased();

  std::vector<Chunk> chunks_;  // sized once; a chunk exists while its lines are needed
  std::vector<Chunk> spare_;   // chunks freed by the decoder, for reuse
  qsizetype count_ = 0;
  qsizetype ahead_ = 0;
  qsizetype released_ = 0;     // the reader's: lines below it are gone
  qsizetype freedChunks_ = 0;  // the decoder's: chunks below it are freed
  bool decoderFills_ = false;  // a decoder fills the window and frees what is let go
  std::atomic<qsizetype> ready_{0};
  mutable std::atomic<qsizetype> allowed_{0};  // raised by a reader that must wait
  std::atomic<qsizetype> releaseMark_{0};  // where the decoder frees up to
};
