#include "views/possessionstree.h"

void PossessionsTree::clear() {
  nodes_.clear();
  topIndex_.clear();
  childIndex_.clear();
}

int PossessionsTree::addTopLevel(const QString& text) {
  nodes_.push_back({text, {}});
  childIndex_.push_back({});
  const int i = int(nodes_.size()) - 1;
  if (!topIndex_.contains(text)) topIndex_.insert(text, i);
  return i;
}

int PossessionsTree::findTopLevel(const QString& text) const { return topIndex_.value(text, -1); }

int PossessionsTree::findOrAddTopLevel(const QString& text) {
  const int i = findTopLevel(text);
  return i >= 0 ? i : addTopLevel(text);
}

void PossessionsTree::addToChild(int topLevel, const QString& name, qint64 amount) {
  Node& node = nodes_[topLevel];
  QHash<QString, int>& index = childIndex_[topLevel];
  const auto it = index.constFind(name);
  if (it != index.constEnd()) {
    QString& child = node.children[*it];
    const qsizetype colon = child.indexOf(QLatin1Char(':'));
    const qint64 current = child.mid(colon + 1).toLongLong();
    child = name + QLatin1Char(':') + QString::number(current + amount);
    return;
  }
  index.insert(name, int(node.children.size()));
  node.children << name + QLatin1Char(':') + QString::number(amount);
}

QStringList PossessionsTree::toLines() const {
  QStringList out;
  for (const Node& node : nodes_) {
    out << node.text;
    for (const QString& child : node.children) out << QLatin1Char('\t') + child;
  }
  return out;
}

PossessionsTree PossessionsTree::fromLines(const QStringList& lines) {
  PossessionsTree tree;
  int current = -1;
  for (const QString& raw : lines) {
    if (raw == QString(QChar(26))) continue;
    qsizetype depth = 0;
    while (depth < raw.size() && (raw[depth] == QLatin1Char('\t') || raw[depth] == QLatin1Char(' '))) ++depth;
    const QString text = raw.mid(depth);
    if (depth == 0 || current < 0) {
      current = tree.addTopLevel(text);
    } else {
      const qsizetype colon = text.indexOf(QLatin1Char(':'));
      const QString name = colon >= 0 ? text.left(colon) : text;
      tree.childIndex_[current].insert(name, int(tree.nodes_[current].children.size()));
      tree.nodes_[current].children << text;
    }
  }
  return tree;
}
