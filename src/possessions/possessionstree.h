#pragma once
// The possessions tree the import builds: top-level nodes (the root
// "Besitztümer" and one node per faction) with one child per item.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class PossessionsTree {
 public:
  struct Node {
    QString text;
    QStringList children;
  };

  void clear();
  int addTopLevel(const QString& text);
  int findTopLevel(const QString& text) const;  // -1 when none
  int findOrAddTopLevel(const QString& text);
  // Adds `amount` to the child "name:<n>" of a top-level node, or adds the
  // child "name:amount" when there is none.
  void addToChild(int topLevel, const QString& name, qint64 amount);
  const QVector<Node>& nodes() const;

  // One node per line, each indented by one tab per level below the root.
  QStringList toLines() const;
  // Reads that format back (blanks count as indentation, a lone
  // end-of-file mark is skipped).
  static PossessionsTree fromLines(const QStringList& lines);

 private:
  // A child as the import sums it; its text "name:amount" is written only
  // when the tree is looked at, since a large report adds to the same
  // children hundreds of thousands of times.
  struct Sum {
    QString name;
    qint64 amount = 0;
    bool textStale = false;
  };
  void writeStaleTexts() const;

  mutable QVector<Node> nodes_;
  QHash<QString, int> topIndex_;
  QVector<QHash<QString, int>> childIndex_;  // child name before ":" -> index
  mutable QVector<QVector<Sum>> sums_;       // beside each node's children
  mutable bool anyStale_ = false;
};
