#pragma once
// Decodes a report's lines on a thread of its own while the readers already
// work on the first ones: a large report's decoding then costs hardly more
// than its splitting. The window is sized at once; the readers ask it for
// line i, and it waits until the decoder got that far.
//
// With a limit the decoder keeps at most that many lines ahead of those the
// readers let go of, and frees those before it decodes more: a large report
// then never lies in memory whole as lines.
#include <QByteArray>
#include <atomic>
#include <thread>

#include "report/linewindow.h"
#include "report/reportfile.h"

// Block headers of the report, counted while decoding.
struct ReportBlockCounts {
  int regions = 0, units = 0, buildings = 0, ships = 0, factions = 0, messages = 0;
};

class LineDecoder {
 public:
  // Splits `bytes` and sizes `lines`, then decodes into it in the
  // background. The bytes are let go once decoded.
  LineDecoder(QByteArray bytes, LineWindow& lines, qsizetype ahead = 0);
  ~LineDecoder();  // waits for the thread
  LineDecoder(const LineDecoder&) = delete;
  LineDecoder& operator=(const LineDecoder&) = delete;

  // Waits for the last line; throws std::bad_alloc when decoding ran out of memory.
  void finish();
  // Valid after finish().
  const ReportBlockCounts& counts() const { return counts_; }

 private:
  void run();
  void count(const QString& line);

  QByteArray bytes_;
  reportfile::ReportText text_;
  LineWindow& lines_;
  std::atomic<bool> failed_{false};
  std::atomic<bool> stop_{false};  // the reader is gone before the last line
  ReportBlockCounts counts_;
  std::thread thread_;
};
