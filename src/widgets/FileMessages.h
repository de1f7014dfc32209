#pragma once
// The messages about a file that cannot be used, shown as every screen shows
// them ("Error de carga", critical icon, OK), and the existence check that
// shows the missing-file one.

#include <QString>

namespace FileCheck {

void reportMissing(const QString &builtPath);
void reportDamaged(const QString &builtPath);
void reportNoDecoder(const QString &builtPath);

// exists(), and the missing-file message when it fails.
bool check(const QString &builtPath);

}  // namespace FileCheck
