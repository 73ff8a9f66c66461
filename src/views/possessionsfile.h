#pragma once
// The possessions window's trees: the file of a slot and round in the
// status folder, read into nodes of any depth, sorted by text at every level.
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

struct GameSession;

struct TextTreeNode {
  QString text;
  QVector<TextTreeNode> children;
};

namespace possessionsfile {

// status-data/<slot>-besitz.<round>, the round part as given.
QString path(const GameSession& session, const QString& round);

// Lines to nodes: tabs and blanks in front of a text give its depth, a line
// that is only the end-of-file mark (character 26) is skipped. A node
// deeper than one below its predecessor hangs under the deepest open node.
QVector<TextTreeNode> parse(const QStringList& lines);

// Sorts the nodes by text at every level (ignoring case first).
void sortTree(QVector<TextTreeNode>& nodes);

// The tree of the current round ("aktuelle Daten") or of a typed round.
struct Loaded {
  QVector<TextTreeNode> nodes;
  QString error;  // German message when the file cannot be opened
  bool ok() const { return error.isEmpty(); }
};
Loaded loadCurrent(const GameSession& session);
Loaded loadRound(const GameSession& session, const QString& roundText);

// The round shown in the round field when the window opens: current - 1.
QString previousRound(const GameSession& session);

// Nodes as indented lines (two blanks per level), for the headless tool.
QStringList toIndentedLines(const QVector<TextTreeNode>& nodes);

}  // namespace possessionsfile
