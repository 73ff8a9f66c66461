#include "turn/versionquestion.h"

#include <QFile>

#include "game/gamesession.h"
#include "game/textutil.h"
#include "report/reportheader.h"
#include "turn/reportimporter.h"

namespace versionquestion {

namespace {
constexpr int kNewestReadWithoutQuestion = 45;
}

QString checkBoxText() { return QStringLiteral("Nicht mehr fragen"); }

QString rememberedPath(const GameSession& session) {
  return session.path(QStringLiteral("cr-version-%1.txt").arg(session.slot));
}

int rememberedVersion(const GameSession& session) {
  const std::optional<QStringList> lines = textutil::readLines(rememberedPath(session));
  if (!lines || lines->isEmpty()) return 0;
  return textutil::strictInt(lines->first().trimmed()).value_or(0);
}

QString remember(const GameSession& session, int version) {
  const QString path = rememberedPath(session);
  const QString error = textutil::writeLinesAtomic(path, {QString::number(version)});
  if (error.isEmpty()) return QString();
  return QStringLiteral("Die CR-Version %1 konnte nicht in %2 vermerkt werden; beim nächsten CR wird wieder gefragt. %3")
      .arg(version)
      .arg(path, error);
}

bool mayRead(const GameSession& session, int version, const ImportCallbacks& callbacks) {
  if (reportheader::versionSupported(version)) return true;
  // Only newer formats are agreed to; an older report is always asked for.
  if (version > kNewestReadWithoutQuestion && version <= rememberedVersion(session)) return true;
  Answer answer;
  if (callbacks.askVersion)
    answer = callbacks.askVersion(reportheader::versionQuestion());
  else
    answer.yes = callbacks.askYesNo && callbacks.askYesNo(reportheader::versionQuestion());
  if (answer.yes && answer.dontAskAgain && version > kNewestReadWithoutQuestion &&
      version > rememberedVersion(session)) {
    const QString error = remember(session, version);
    if (!error.isEmpty() && callbacks.inform) callbacks.inform(error);
  }
  return answer.yes;
}

}  // namespace versionquestion
