#pragma once
// Decodes a report's lines on a thread of its own while the readers already
// work on the first ones: a large report's decoding then costs hardly more
// than its splitting. The line list is sized at once; line i may be read as
// soon as ready() is past i (ImportState::lineAt waits for that).
//
// With a window the decoder keeps at most that many lines ahead of what the
// readers allow (allowed()), so that lines they are done with can be
// dropped before the rest is decoded: a large report then never lies in
// memory whole as lines.
#include <QByteArray>
#include <QStringList>
#include <atomic>
#include <thread>

#include "report/reportfile.h"

// Block headers of the report, counted while decoding.
struct ReportBlockCounts {
  int regions = 0, units = 0, buildings = 0, ships = 0, factions = 0, messages = 0;
};

class LineDecoder {
 public:
  // Splits `bytes` and sizes `lines`, then decodes into it in the
  // background. The bytes are let go once decoded.
  LineDecoder(QByteArray bytes, QStringList& lines, qsizetype window = 0);
  ~LineDecoder();  // waits for the thread
  LineDecoder(const LineDecoder&) = delete;
  LineDecoder& operator=(const LineDecoder&) = delete;

  const std::atomic<qsizetype>& ready() const { return ready_; }
  // Lines below this index may be decoded; raise it with allow().
  std::atomic<qsizetype>& allowed() { return allowed_; }
  // Lines below this index are let go by the decoder's thread, which made
  // them (the readers never look at them again); raise it with allow().
  std::atomic<qsizetype>& released() { return released_; }
  // Waits for the last line; throws std::bad_alloc when decoding ran out of memory.
  void finish();
  // Valid after finish().
  const ReportBlockCounts& counts() const { return counts_; }

  // Raises the limit to `limit` (never lowers it) and wakes the decoder.
  static void allow(std::atomic<qsizetype>& allowed, qsizetype limit);

 private:
  void run(QString* targets);
  void count(const QString& line);
  void freeReleased(QString* targets);

  QByteArray bytes_;
  reportfile::ReportText text_;
  std::atomic<qsizetype> ready_{0};
  std::atomic<qsizetype> allowed_{0};
  std::atomic<qsizetype> released_{0};
  qsizetype freed_ = 0;  // the decoder's own count of lines let go
  std::atomic<bool> failed_{false};
  ReportBlockCounts counts_;
  std::thread thread_;
};
