#pragma once
// Where a message block of the report is shown, by its type number.
#include <QtGlobal>

enum class MessagePage {
  Handel,
  Ereignisse,
  Warnungen,
  Produktion,
  EinkommenSummed,  // "Einkommen", and the amount counts towards the income sum
  Einkommen,        // "Einkommen", not summed
  Kaempfe,
  Bewegungen,
  RidingOrBattle,   // "Bewegungen" when it rides, "Kämpfe" after a battle, else "Botschaften"
  Botschaften,
};

MessagePage messagePageForType(qint64 type);
