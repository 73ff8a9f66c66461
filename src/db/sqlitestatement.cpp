#include "db/sqlitestatement.h"

#include <sqlite3.h>

#include <algorithm>

#include "db/dberror.h"

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql) : db_(db), sql_(sql) {
  const QByteArray text = sql.toUtf8();
  if (sqlite3_prepare_v3(db_, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) !=
      SQLITE_OK) {
    const QString reason = errorText();
    sqlite3_finalize(stmt_);
    stmt_ = nullptr;
    throw DbError(QStringLiteral("Datenbankfehler: %1 (%2)").arg(reason, sql));
  }
  bound_.resize(size_t(sqlite3_bind_parameter_count(stmt_)));
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

void SqliteStatement::reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
  forgetTexts();
  std::fill(bound_.begin(), bound_.end(), Bound{});
}

void SqliteStatement::resetKeepingNumbers() {
  sqlite3_reset(stmt_);
  // A text too long for a chunk goes now: no position may point at it any
  // more. Texts in the chunks stay readable (the chunks are kept), and the
  // caller binds their positions anew before the next step.
  if (!largeTexts_.empty())
    for (size_t i = 0; i < bound_.size(); ++i)
      if (bound_[i].kind == Bound::Other) bindNull(int(i) + 1);
  forgetTexts();
}

void SqliteStatement::forgetTexts() {
  chunk_ = 0;
  chunkUsed_ = 0;
  largeTexts_.clear();
}

const char* SqliteStatement::copyText(const QString& text, int* bytes) {
  const qsizetype room = utf8_.requiredSpace(text.size());
  char* target = nullptr;
  if (room > kChunkSize) {
    largeTexts_.push_back(std::make_unique<char[]>(size_t(room)));
    target = largeTexts_.back().get();
  } else {
    if (chunk_ < chunks_.size() && chunkUsed_ + room > kChunkSize) {
      ++chunk_;
      chunkUsed_ = 0;
    }
    if (chunk_ == chunks_.size()) chunks_.push_back(std::make_unique<char[]>(size_t(kChunkSize)));
    target = chunks_[chunk_].get() + chunkUsed_;
  }
  const char* end = utf8_.appendToBuffer(target, text);
  *bytes = int(end - target);
  if (utf8_.hasError()) {
    // A broken surrogate: stored as toUtf8() stores it ("?"), as always.
    utf8_.resetState();
    const QByteArray mended = text.toUtf8();
    std::copy(mended.begin(), mended.end(), target);
    *bytes = int(mended.size());
  }
  if (room <= kChunkSize) chunkUsed_ += *bytes;
  return target;
}

void SqliteStatement::check(int rc) const {
  if (rc != SQLITE_OK) throw DbError(QStringLiteral("Datenbankfehler beim Binden: %1").arg(errorText()));
}

void SqliteStatement::storeInteger(int position, qint64 value, Bound* bound) {
  check(sqlite3_bind_int64(stmt_, position, value));
  if (bound) *bound = {Bound::Integer, value};
}

void SqliteStatement::storeNull(int position, Bound* bound) {
  check(sqlite3_bind_null(stmt_, position));
  if (bound) *bound = {};
}

void SqliteStatement::bindOther(int position, const QVariant& value) {
  const void* data = value.constData();
  const int type = value.metaType().id();
  switch (type) {
    case QMetaType::UnknownType: bindNull(position); return;
    case QMetaType::Int: bindInteger(position, *static_cast<const int*>(data)); return;
    case QMetaType::LongLong: bindInteger(position, *static_cast<const qlonglong*>(data)); return;
    case QMetaType::UInt: bindInteger(position, *static_cast<const uint*>(data)); return;
    case QMetaType::Short: bindInteger(position, *static_cast<const short*>(data)); return;
    case QMetaType::Bool: bindInteger(position, *static_cast<const bool*>(data) ? 1 : 0); return;
    default: break;
  }
  int rc = SQLITE_OK;
  if (type == QMetaType::Double || type == QMetaType::Float) {
    const double number = type == QMetaType::Double ? *static_cast<const double*>(data) : *static_cast<const float*>(data);
    rc = sqlite3_bind_double(stmt_, position, number);
  } else {
    const QString* text = type == QMetaType::QString ? static_cast<const QString*>(data) : nullptr;
    const QString converted = text ? QString() : value.toString();
    if (!text) text = &converted;
    if (text->isNull()) {
      // stored as an empty field, as Qt's own driver does
      bindNull(position);
      return;
    }
    int bytes = 0;
    const char* utf8 = copyText(*text, &bytes);
    rc = sqlite3_bind_text(stmt_, position, utf8, bytes, SQLITE_STATIC);
  }
  check(rc);
  if (position >= 1 && size_t(position) <= bound_.size()) bound_[size_t(position) - 1] = {Bound::Other, 0};
}

bool SqliteStatement::step() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  const QString reason = errorText();
  sqlite3_reset(stmt_);
  throw DbError(QStringLiteral("Datenbankfehler: %1").arg(reason));
}

void SqliteStatement::execute() {
  while (step()) {
  }
}

int SqliteStatement::columnCount() const { return sqlite3_column_count(stmt_); }

QVariant SqliteStatement::column(int index) const {
  switch (sqlite3_column_type(stmt_, index)) {
    case SQLITE_INTEGER: return QVariant(qlonglong(sqlite3_column_int64(stmt_, index)));
    case SQLITE_FLOAT: return QVariant(sqlite3_column_double(stmt_, index));
    case SQLITE_NULL: return QVariant();
    default: {
      const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
      const int bytes = sqlite3_column_bytes(stmt_, index);
      return QVariant(QString::fromUtf8(text, bytes));
    }
  }
}

qint64 SqliteStatement::columnInt(int index) const { return sqlite3_column_int64(stmt_, index); }

QString SqliteStatement::columnText(int index) const {
  const void* text = sqlite3_column_text16(stmt_, index);
  if (!text) return QString();
  const int bytes = sqlite3_column_bytes16(stmt_, index);
  return QString(reinterpret_cast<const QChar*>(text), bytes / int(sizeof(QChar)));
}

bool SqliteStatement::columnIsNull(int index) const { return sqlite3_column_type(stmt_, index) == SQLITE_NULL; }

qint64 SqliteStatement::lastInsertRowid() const { return sqlite3_last_insert_rowid(db_); }

QString SqliteStatement::errorText() const {
  return dberror::reasonText(sqlite3_extended_errcode(db_), QString::fromUtf8(sqlite3_errmsg(db_)));
}
