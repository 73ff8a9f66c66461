#pragma once
// Decodes a report's lines on a thread of its own while the readers already
// work on the first ones: a large report's decoding then costs hardly more
// than its splitting. The line list is sized at once; line i may be read as
// soon as ready() is past i (ImportState::lineAt waits for that).
#include <QByteArray>
#include <QStringList>
#include <atomic>
#include <thread>

#include "report/reportfile.h"

class LineDecoder {
 public:
  // Splits `bytes` (which must outlive the decoder) and sizes `lines`, then
  // decodes into it in the background.
  LineDecoder(const QByteArray& bytes, QStringList& lines);
  ~LineDecoder();  // waits for the thread
  LineDecoder(const LineDecoder&) = delete;
  LineDecoder& operator=(const LineDecoder&) = delete;

  const std::atomic<qsizetype>& ready() const { return ready_; }
  // Waits for the last line; throws std::bad_alloc when decoding ran out of memory.
  void finish();

 private:
  void run(QString* targets);

  reportfile::ReportText text_;
  std::atomic<qsizetype> ready_{0};
  std::atomic<bool> failed_{false};
  std::thread thread_;
};
