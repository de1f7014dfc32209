// Branches whose screens are still to be written as tables.

#include "questionnaire/ScreenTable.h"

namespace q {

QList<ScreenTable> budsBranch() { return {}; }
QList<ScreenTable> trunkBranch() { return {}; }
QList<ScreenTable> bunchesBranch() { return {}; }
QList<ScreenTable> shootsBranch() { return {}; }
QList<ScreenTable> rootsBranch() { return {}; }

}  // namespace q
