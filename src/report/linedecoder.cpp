#include "report/linedecoder.h"

#include <algorithm>
#include <new>

LineDecoder::LineDecoder(QByteArray bytes, LineWindow& lines, qsizetype ahead)
    : bytes_(std::move(bytes)), text_(reportfile::splitReport(bytes_)), lines_(lines) {
  lines_.startFilling(qsizetype(text_.lines.size()), ahead);
  thread_ = std::thread([this] { run(); });
}

LineDecoder::~LineDecoder() {
  // A reader that ends early (a damaged report) needs no more lines, and
  // must not leave the decoder waiting for room.
  stop_.store(true);
  lines_.allowAll();
  if (thread_.joinable()) thread_.join();
}

void LineDecoder::count(const QString& l) {
  if (l.isEmpty()) return;
  switch (l.at(0).unicode()) {
    case 'R': if (l.startsWith(QLatin1String("REGION "))) ++counts_.regions; break;
    case 'E': if (l.startsWith(QLatin1String("EINHEIT "))) ++counts_.units; break;
    case 'B': if (l.startsWith(QLatin1String("BURG "))) ++counts_.buildings; break;
    case 'S': if (l.startsWith(QLatin1String("SCHIFF "))) ++counts_.ships; break;
    case 'P': if (l.startsWith(QLatin1String("PARTEI "))) ++counts_.factions; break;
    case 'M': if (l.startsWith(QLatin1String("MESSAGE "))) ++counts_.messages; break;
    default: break;
  }
}

void LineDecoder::run() {
  const qsizetype count = qsizetype(text_.lines.size());
  // Published in small batches: the reader rarely waits, and seldom needs waking.
  constexpr qsizetype kBatch = 256;
  qsizetype i = 0;
  try {
    while (i < count && !stop_.load(std::memory_order_relaxed)) {
      const qsizetype end = std::min({count, i + kBatch, lines_.waitForRoom(i)});
      for (; i < end; ++i) {
        QString& line = lines_.slot(i);
        line = reportfile::decodeLine(text_, i);
        this->count(line);
      }
      lines_.publish(i);
    }
  } catch (...) {
    // The reader must not wait for lines that never come.
    failed_.store(true);
  }
  lines_.finishFilling();
  // Every line is decoded: the bytes and their line spans are no longer needed.
  text_ = reportfile::ReportText();
  bytes_ = QByteArray();
}

void LineDecoder::finish() {
  lines_.allowAll();
  if (thread_.joinable()) thread_.join();
  if (failed_.load()) throw std::bad_alloc();
}
