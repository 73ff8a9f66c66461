#include "report/linedecoder.h"

#include <limits>
#include <new>

#include "report/largebuffer.h"

LineDecoder::LineDecoder(QByteArray bytes, QStringList& lines, qsizetype window)
    : bytes_(std::move(bytes)), text_(reportfile::splitReport(bytes_)) {
  // Room first, so that the list is backed by large pages before it is filled.
  const qsizetype count = qsizetype(text_.lines.size());
  lines = QStringList();
  lines.reserve(count);
  largebuffer::adviseLargePages(lines.data(), size_t(count) * sizeof(QString));
  lines.resize(count);
  allowed_.store(window > 0 ? window : std::numeric_limits<qsizetype>::max());
  // Taken here, on the reading thread: the list is not detached or resized
  // while the decoder fills its targets.
  QString* targets = lines.data();
  thread_ = std::thread([this, targets] { run(targets); });
}

LineDecoder::~LineDecoder() {
  // A reader that ends early must not leave the decoder waiting for room.
  allow(allowed_, std::numeric_limits<qsizetype>::max());
  if (thread_.joinable()) thread_.join();
}

void LineDecoder::allow(std::atomic<qsizetype>& allowed, qsizetype limit) {
  qsizetype current = allowed.load();
  while (current < limit && !allowed.compare_exchange_weak(current, limit)) {
  }
  if (current < limit) allowed.notify_all();
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

void LineDecoder::freeReleased(QString* targets) {
  for (const qsizetype upTo = released_.load(std::memory_order_acquire); freed_ < upTo; ++freed_)
    targets[freed_] = QString();
}

void LineDecoder::run(QString* targets) {
  const qsizetype count = qsizetype(text_.lines.size());
  // Published in small batches: the reader rarely waits, and seldom needs waking.
  constexpr qsizetype kBatch = 256;
  qsizetype i = 0;
  try {
    while (i < count) {
      // Wait until the readers make room.
      for (qsizetype limit = allowed_.load(); i >= limit; limit = allowed_.load()) allowed_.wait(limit);
      freeReleased(targets);
      const qsizetype end = std::min({count, i + kBatch, allowed_.load()});
      for (; i < end; ++i) {
        targets[i] = reportfile::decodeLine(text_, i);
        this->count(targets[i]);
      }
      ready_.store(i, std::memory_order_release);
      ready_.notify_all();
    }
  } catch (...) {
    // The reader must not wait for lines that never come.
    failed_.store(true);
    ready_.store(count, std::memory_order_release);
    ready_.notify_all();
  }
  // Every line is decoded: the bytes and their line spans are no longer needed.
  text_ = reportfile::ReportText();
  bytes_ = QByteArray();
}

void LineDecoder::finish() {
  allow(allowed_, std::numeric_limits<qsizetype>::max());
  if (thread_.joinable()) thread_.join();
  if (failed_.load()) throw std::bad_alloc();
}
