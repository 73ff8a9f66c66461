#include "game/filetransaction.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryFile>
#include <atomic>
#include <cerrno>
#include <filesystem>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

std::atomic<qint64> writeBudget{-1};

// Takes bytes of the test budget; false when the "disk" is full.
bool spendBudget(qint64 bytes, qint64* granted) {
  qint64 budget = writeBudget.load();
  if (budget < 0) {
    *granted = bytes;
    return true;
  }
  *granted = qMin(budget, bytes);
  writeBudget.store(budget - *granted);
  return *granted == bytes;
}

bool syncToDisk(QFile& file) {
#ifdef Q_OS_WIN
  return _commit(file.handle()) == 0;
#else
  return ::fsync(file.handle()) == 0;
#endif
}

// A temporary file gets the permissions of the file it replaces; a new
// file the usual ones, not the private ones of a temporary file.
void copyPermissions(QFile& temporary, const QString& target) {
  const QFileInfo old(target);
  temporary.setPermissions(old.exists() ? old.permissions()
                                        : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                              QFileDevice::ReadOther);
}

}  // namespace

namespace safefile {

QString reasonText(int systemError) {
  switch (systemError) {
    case ENOSPC: return QStringLiteral("Auf dem Datenträger ist kein Platz mehr");
#ifdef EDQUOT
    case EDQUOT: return QStringLiteral("Der Speicherplatz des Benutzers auf dem Datenträger ist erschöpft");
#endif
    case EACCES:
    case EPERM: return QStringLiteral("Keine Berechtigung zum Schreiben");
    case EROFS: return QStringLiteral("Der Datenträger ist schreibgeschützt");
    case ENOENT: return QStringLiteral("Der Ordner existiert nicht");
    case ENOTDIR: return QStringLiteral("Ein Teil des Pfades ist kein Ordner");
    case EISDIR: return QStringLiteral("Unter diesem Namen liegt ein Ordner");
    case EIO: return QStringLiteral("Der Datenträger meldet einen Ein-/Ausgabefehler");
    case EFBIG: return QStringLiteral("Die Datei wäre zu groß für den Datenträger");
    case EMFILE:
    case ENFILE: return QStringLiteral("Es sind zu viele Dateien geöffnet");
    case ENAMETOOLONG: return QStringLiteral("Der Dateiname ist zu lang");
    default: break;
  }
  if (systemError == 0) return QStringLiteral("Der Datenträger hat das Schreiben nicht bestätigt");
  // The C library names unknown numbers in English ("Unknown error"); the
  // number alone is more use to a player asking for help.
  return QStringLiteral("Systemfehler Nr. %1").arg(systemError);
}

QString failureMessage(const QString& path, int systemError) {
  return QStringLiteral("Die Datei %1 konnte nicht geschrieben werden: %2. Die Datei ist unverändert.")
      .arg(QDir::toNativeSeparators(path), reasonText(systemError));
}

void setWriteBudgetForTesting(qint64 bytes) { writeBudget.store(bytes < 0 ? -1 : bytes); }

QByteArray encodeLines(const QStringList& lines) {
  // Sized once, most text being ASCII (an umlaut takes a byte more), and
  // converted in batches of lines: a large page then costs a few
  // conversions instead of one per line and no growing copies.
  qsizetype chars = 0;
  for (const QString& line : lines) chars += line.size() + 2;
  QByteArray data;
  data.reserve(chars + chars / 16 + 16);
  constexpr qsizetype kBatch = 32 * 1024;
  QString batch;
  batch.reserve(kBatch + 256);
  for (const QString& line : lines) {
    batch += line;
    batch += QLatin1String("\r\n");
    if (batch.size() >= kBatch) {
      data += batch.toUtf8();
      batch.resize(0);
    }
  }
  data += batch.toUtf8();
  return data;
}

QString writeBytes(const QString& path, const QByteArray& bytes) {
  FileTransaction files;
  const QString error = files.stage(path, bytes);
  if (!error.isEmpty()) return error;
  return files.commit();
}

QString writeLines(const QString& path, const QStringList& lines) { return writeBytes(path, encodeLines(lines)); }

QString writeImage(const QImage& image, const QString& path, const char* format, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.save(&buffer, format, quality))
    return QStringLiteral("Das Bild %1 konnte nicht erzeugt werden. Die Datei ist unverändert.")
        .arg(QDir::toNativeSeparators(path));
  return writeBytes(path, bytes);
}

}  // namespace safefile

FileTransaction::~FileTransaction() { discard(); }

QStringList FileTransaction::targets() const {
  QStringList out;
  for (const Staged& s : staged_) out << s.target;
  return out;
}

QString FileTransaction::stage(const QString& path, const QByteArray& bytes) {
  QTemporaryFile file(path + QStringLiteral(".neu-XXXXXX"));
  file.setAutoRemove(false);
  errno = 0;
  if (!file.open()) return safefile::failureMessage(path, errno);
  const QString temporary = file.fileName();
  auto fail = [&](int systemError) {
    file.close();
    QFile::remove(temporary);
    return safefile::failureMessage(path, systemError);
  };

  // The platform may report a write as done that the disk never took: the
  // bytes are flushed, counted on the disk and synced before they count.
  qint64 granted = 0;
  const bool fits = spendBudget(bytes.size(), &granted);
  errno = 0;
  const qint64 written = file.write(bytes.constData(), granted);
  if (written != granted || !file.flush() || file.error() != QFileDevice::NoError) return fail(errno ? errno : EIO);
  if (!fits) return fail(ENOSPC);
  errno = 0;
  if (!syncToDisk(file)) return fail(errno);
  if (file.size() != bytes.size() || QFileInfo(temporary).size() != bytes.size()) return fail(ENOSPC);
  copyPermissions(file, path);
  file.close();
  staged_.append({path, temporary});
  return QString();
}

QString FileTransaction::stageLines(const QString& path, const QStringList& lines) {
  return stage(path, safefile::encodeLines(lines));
}

QString FileTransaction::commit() {
  QStringList errors;
  for (const Staged& s : staged_) {
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(s.temporary.toStdU16String()),
                            std::filesystem::path(s.target.toStdU16String()), ec);
    if (ec) {
      QFile::remove(s.temporary);
      errors << safefile::failureMessage(s.target, ec.value());
    }
  }
  staged_.clear();
  return errors.join(QLatin1Char('\n'));
}

void FileTransaction::discard() {
  for (const Staged& s : staged_) QFile::remove(s.temporary);
  staged_.clear();
}
