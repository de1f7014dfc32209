#include "widgets/FileMessages.h"

#include "core/FileCheck.h"
#include "platform/services/Services.h"

namespace FileCheck {

void reportMissing(const QString &builtPath)
{
    Services::messages().show({QStringLiteral("Error de carga"), missingText(builtPath), MessageIcon::Critical});
}

void reportDamaged(const QString &builtPath)
{
    Services::messages().show({QStringLiteral("Error de carga"), damagedText(builtPath), MessageIcon::Critical});
}

void reportNoDecoder(const QString &builtPath)
{
    Services::messages().show({QStringLiteral("Error de carga"), noDecoderText(builtPath), MessageIcon::Critical});
}

bool check(const QString &builtPath)
{
    if (exists(builtPath))
        return true;
    reportMissing(builtPath);
    return false;
}

}  // namespace FileCheck
