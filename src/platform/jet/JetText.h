#pragma once
// Text comparison as the Jet engine does it for the data set's queries:
// ORDER BY on a text column sorts in Spanish alphabetical order ignoring letter
// case ("Ápice" among the words in "a", "ñ" after "n", accents only break
// ties); "=" ignores letter case but not accents.

#include <QString>

namespace jet {

// Negative, zero or positive, as a collating sort needs.
int collate(const QString &a, const QString &b);

// Equality of WHERE col = 'value'.
bool textEquals(const QString &a, const QString &b);

}  // namespace jet
