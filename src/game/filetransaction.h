#pragma once
// Writing files so that a full disk or any other failure never leaves an
// empty or cut-off file: every file goes to a temporary file beside it, is
// flushed and checked, and only then takes the place of the old one. Several
// files can be staged together and put in place at once (after a database
// commit, say); until then the old files stay as they were.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QImage;

class FileTransaction {
 public:
  FileTransaction() = default;
  ~FileTransaction();  // removes temporaries that were not put in place
  FileTransaction(const FileTransaction&) = delete;
  FileTransaction& operator=(const FileTransaction&) = delete;

  // Writes the bytes to a temporary file beside `path`, flushed to the disk.
  // Returns an empty text, else the German message naming `path`.
  QString stage(const QString& path, const QByteArray& bytes);
  // Lines as UTF-8, CR LF after every line.
  QString stageLines(const QString& path, const QStringList& lines);

  // Puts every staged file in place (renames need no space). Returns an
  // empty text, else the messages of the files that stayed as they were.
  QString commit();
  // Removes the temporaries; the old files stay untouched.
  void discard();

  bool isEmpty() const { return staged_.isEmpty(); }
  QStringList targets() const;

 private:
  struct Staged {
    QString target;
    QString temporary;
  };
  QList<Staged> staged_;
};

namespace safefile {

// One file written through a transaction of its own.
QString writeBytes(const QString& path, const QByteArray& bytes);
QString writeLines(const QString& path, const QStringList& lines);
// An image in the given format ("PNG", "BMP"); encoded in memory first.
// `quality` as QImage::save takes it (-1: the format's default).
QString writeImage(const QImage& image, const QString& path, const char* format, int quality = -1);

QByteArray encodeLines(const QStringList& lines);

// "Die Datei X konnte nicht geschrieben werden: <reason>. Die Datei ist
// unverändert." with the system's reason in German.
QString failureMessage(const QString& path, int systemError);
// The German reason for a system error number; never "Unknown error".
QString reasonText(int systemError);

// For tests: after `bytes` more bytes every write fails as on a full disk;
// a negative value writes without limit again.
void setWriteBudgetForTesting(qint64 bytes);

}  // namespace safefile
