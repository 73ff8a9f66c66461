#include "possessions/possessionstree.h"

void PossessionsTree::clear() {
  nodes_.clear();
  topIndex_.clear();
  childIndex_.clear();
  sums_.clear();
  anyStale_ = false;
}

int PossessionsTree::addTopLevel(const QString& text) {
  nodes_.push_back({text, {}});
  childIndex_.push_back({});
  sums_.push_back({});
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
  QHash<QString, int>& index = childIndex_[topLevel];
  QVector<Sum>& sums = sums_[topLevel];
  const auto it = index.constFind(name);
  if (it != index.constEnd()) {
    Sum& sum = sums[*it];
    sum.amount += amount;
    sum.textStale = true;
    anyStale_ = true;
    return;
  }
  index.insert(name, int(sums.size()));
  sums.push_back({name, amount, false});
  nodes_[topLevel].children << name + QLatin1Char(':') + QString::number(amount);
}

void PossessionsTree::writeStaleTexts() const {
  if (!anyStale_) return;
  for (qsizetype node = 0; node < nodes_.size(); ++node) {
    QVector<Sum>& sums = sums_[node];
    QStringList& children = nodes_[node].children;
    for (qsizetype i = 0; i < sums.size(); ++i) {
      Sum& sum = sums[i];
      if (!sum.textStale) continue;
      children[i] = sum.name + QLatin1Char(':') + QString::number(sum.amount);
      sum.textStale = false;
    }
  }
  anyStale_ = false;
}

const QVector<PossessionsTree::Node>& PossessionsTree::nodes() const {
  writeStaleTexts();
  return nodes_;
}

QStringList PossessionsTree::toLines() const {
  QStringList out;
  for (const Node& node : nodes()) {
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
      // A child without a readable amount starts from 0 when added to.
      const qsizetype colon = text.indexOf(QLatin1Char(':'));
      const QString name = colon >= 0 ? text.left(colon) : text;
      const qint64 amount = text.mid(colon + 1).toLongLong();
      tree.childIndex_[current].insert(name, int(tree.nodes_[current].children.size()));
      tree.sums_[current].push_back({name, amount, false});
      tree.nodes_[current].children << text;
    }
  }
  return tree;
}
