#include "report/linewindow.h"

#include <algorithm>
#include <limits>

namespace {
constexpr qsizetype kNoLimit = std::numeric_limits<qsizetype>::max();
}

LineWindow& LineWindow::operator=(const QStringList& lines) {
  startFilling(lines.size(), 0);
  decoderFills_ = false;
  for (qsizetype i = 0; i < lines.size(); ++i) slot(i) = lines.at(i);
  publish(count_);
  return *this;
}

const QString& LineWindow::at(qsizetype index) const {
  static const QString empty;
  // A line let go is gone (and may be freed on the decoder's thread right now).
  if (index < released_ || index >= count_) return empty;
  qsizetype ready = ready_.load(std::memory_order_acquire);
  if (index >= ready) {
    // A block longer than the window: the decoder must go on to it.
    allow(index + 1 + ahead_);
    while (index >= ready) {
      ready_.wait(ready, std::memory_order_acquire);
      ready = ready_.load(std::memory_order_acquire);
    }
  }
  const Chunk& chunk = chunks_[size_t(index >> kChunkBits)];
  // A chunk the decoder never reached (it ran out of memory) has no lines.
  return chunk ? chunk[size_t(index & (kChunkLines - 1))] : empty;
}

void LineWindow::releaseBefore(qsizetype index) {
  // In whole chunks, so that the decoder is woken seldom.
  index = std::min(index, count_);
  if (index - released_ < kChunkLines) return;
  released_ = index;
  if (decoderFills_) {
    // The decoder frees them before the next lines it decodes: the thread
    // that made the strings frees them fastest, and the reader need not wait.
    releaseMark_.store(index, std::memory_order_release);
    allow(index + ahead_);
  } else {
    for (; (freedChunks_ + 1) * kChunkLines <= released_; ++freedChunks_) chunks_[size_t(freedChunks_)].reset();
  }
}

void LineWindow::startFilling(qsizetype count, qsizetype ahead) {
  chunks_.clear();
  chunks_.resize(size_t((count + kChunkLines - 1) >> kChunkBits));
  spare_.clear();
  count_ = count;
  ahead_ = ahead;
  released_ = 0;
  freedChunks_ = 0;
  decoderFills_ = true;
  ready_.store(0);
  releaseMark_.store(0);
  allowed_.store(ahead > 0 ? ahead : kNoLimit);
}

qsizetype LineWindow::waitForRoom(qsizetype index) {
  qsizetype limit = allowed_.load();
  for (; index >= limit; limit = allowed_.load()) allowed_.wait(limit);
  freeReleased();
  return limit;
}

void LineWindow::freeReleased() {
  const qsizetype mark = releaseMark_.load(std::memory_order_acquire);
  for (; (freedChunks_ + 1) * kChunkLines <= mark; ++freedChunks_) {
    Chunk& chunk = chunks_[size_t(freedChunks_)];
    if (!chunk) continue;
    std::fill_n(chunk.get(), kChunkLines, QString());
    spare_.push_back(std::move(chunk));
  }
}

QString& LineWindow::slot(qsizetype index) {
  Chunk& chunk = chunks_[size_t(index >> kChunkBits)];
  if (!chunk) {
    if (spare_.empty()) {
      chunk = std::make_unique<QString[]>(size_t(kChunkLines));
    } else {
      chunk = std::move(spare_.back());
      spare_.pop_back();
    }
  }
  return chunk[size_t(index & (kChunkLines - 1))];
}

void LineWindow::publish(qsizetype index) {
  ready_.store(index, std::memory_order_release);
  ready_.notify_all();
}

void LineWindow::finishFilling() {
  spare_.clear();
  publish(count_);
}

void LineWindow::allowAll() { allow(kNoLimit); }

void LineWindow::allow(qsizetype limit) const {
  qsizetype current = allowed_.load();
  while (current < limit && !allowed_.compare_exchange_weak(current, limit)) {
  }
  if (current < limit) allowed_.notify_all();
}
