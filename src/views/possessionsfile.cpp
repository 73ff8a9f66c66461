#include "views/possessionsfile.h"

#include <algorithm>
#include <functional>

#include "game/gamesession.h"
#include "game/textutil.h"
#include "db/cleanup.h"

namespace possessionsfile {

QString path(const GameSession& session, const QString& round) {
  return session.statusPath(QString::number(session.slot) + QStringLiteral("-besitz.") + round);
}

QVector<TextTreeNode> parse(const QStringList& lines) {
  QVector<TextTreeNode> roots;
  // The chain of open nodes from a root down, as indices at each level.
  QVector<int> open;
  for (const QString& raw : lines) {
    if (raw.isEmpty() || raw == QString(QChar(26))) continue;
    qsizetype depth = 0;
    while (depth < raw.size() && (raw.at(depth) == QLatin1Char('\t') || raw.at(depth) == QLatin1Char(' '))) ++depth;
    const int level = int(qMin<qsizetype>(depth, open.size()));
    open.resize(level);
    QVector<TextTreeNode>* siblings = &roots;
    for (int i : open) siblings = &(*siblings)[i].children;
    siblings->push_back({raw.mid(depth), {}});
    open.push_back(int(siblings->size()) - 1);
  }
  return roots;
}

void sortTree(QVector<TextTreeNode>& nodes) {
  std::stable_sort(nodes.begin(), nodes.end(), [](const TextTreeNode& a, const TextTreeNode& b) {
    const int c = a.text.compare(b.text, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a.text < b.text;
  });
  for (TextTreeNode& n : nodes) sortTree(n.children);
}

namespace {
Loaded load(const QString& file, const QString& failure) {
  Loaded out;
  const std::optional<QStringList> lines = textutil::readLines(file);
  if (!lines) {
    out.error = failure;
    return out;
  }
  out.nodes = parse(*lines);
  sortTree(out.nodes);
  return out;
}
}  // namespace

Loaded loadCurrent(const GameSession& session) {
  return load(path(session, QString::number(session.roundCode)),
              QStringLiteral("Es sind noch keine Daten vorhanden. Bitte zuerst einen CR einlesen."));
}

Loaded loadRound(const GameSession& session, const QString& roundText) {
  const QString file = path(session, roundText);
  return load(file, QStringLiteral("Die Datei ") + file + QStringLiteral(" existiert nicht!"));
}

QString previousRound(const GameSession& session) { return QString::number(cleanup::previousRoundCode(session.roundCode)); }

QStringList toIndentedLines(const QVector<TextTreeNode>& nodes) {
  QStringList out;
  std::function<void(const QVector<TextTreeNode>&, int)> walk = [&](const QVector<TextTreeNode>& level, int depth) {
    for (const TextTreeNode& n : level) {
      out << QString(2 * depth, QLatin1Char(' ')) + n.text;
      walk(n.children, depth + 1);
    }
  };
  walk(nodes, 0);
  return out;
}

}  // namespace possessionsfile
