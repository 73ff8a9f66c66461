#pragma once
// Everything the program holds of the open game slot: the program-wide
// values, the report pages, the status page, the order template and the
// possessions tree. The windows show these; the import and the status files
// fill them.
#include "game/gamesession.h"
#include "orders/ordertemplate.h"
#include "report/reportpages.h"
#include "stats/pointsstatistics.h"
#include "possessions/possessionstree.h"

class Database;

struct OpenGame {
  GameSession session;
  ReportPages pages;
  StatusFields status;
  OrderTemplate orders;
  PossessionsTree tree;
  PointsGrid points;  // "Punkte Statistik"
  Database* db = nullptr;
};
