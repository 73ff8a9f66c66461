#include "report/linedecoder.h"

#include <new>

LineDecoder::LineDecoder(const QByteArray& bytes, QStringList& lines) : text_(reportfile::splitReport(bytes)) {
  lines = QStringList(qsizetype(text_.lines.size()));
  // Taken here, on the reading thread: the list is not detached or resized
  // while the decoder fills its targets.
  QString* targets = lines.data();
  thread_ = std::thread([this, targets] { run(targets); });
}

LineDecoder::~LineDecoder() {
  if (thread_.joinable()) thread_.join();
}

void LineDecoder::run(QString* targets) {
  const qsizetype count = qsizetype(text_.lines.size());
  // Published in small batches: the reader rarely waits, and seldom needs waking.
  constexpr qsizetype kBatch = 256;
  qsizetype i = 0;
  try {
    while (i < count) {
      const qsizetype end = std::min(count, i + kBatch);
      for (; i < end; ++i) targets[i] = reportfile::decodeLine(text_, i);
      ready_.store(i, std::memory_order_release);
      ready_.notify_all();
    }
  } catch (...) {
    // The reader must not wait for lines that never come.
    failed_.store(true);
    ready_.store(count, std::memory_order_release);
    ready_.notify_all();
  }
}

void LineDecoder::finish() {
  if (thread_.joinable()) thread_.join();
  if (failed_.load()) throw std::bad_alloc();
}
