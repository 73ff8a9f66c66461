#pragma once
// Switches a table's filter off for a scope and back to what it was, on
// every way out.
#include "db/table.h"

class FilterOff {
 public:
  explicit FilterOff(Table& t) : table_(t), was_(t.filtered()) { table_.setFiltered(false); }
  ~FilterOff() { table_.setFiltered(was_); }
  FilterOff(const FilterOff&) = delete;
  FilterOff& operator=(const FilterOff&) = delete;

 private:
  Table& table_;
  bool was_;
};
