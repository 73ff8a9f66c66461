#pragma once
// Identifier notation: unit, building, ship and faction numbers as the player
// sees them (base 36 in Molvanth games, decimal where the base is 10).
#include <QString>

namespace codec {

// Integer to identifier text in base `base` (2..36). Zero and negative
// numbers give the empty text. Digit 21 is written as capital "L".
QString Encode(qint32 n, int base = 36);

// Identifier text to integer; never fails. Characters outside the digit
// string count as -1, so typed rubbish yields a wrong number, not an error.
qint32 Decode(const QString& text, int base = 36);

// "[N/k] rest" for a text "N rest": experience per person of a skill entry.
// k = 0 or a text without a leading number gives the text unchanged.
QString PerPerson(const QString& text, int k);

}  // namespace codec
