#include "BlockParameters.h"

bool parameterFlag(const QMap<QString, QString>& parameters, const QString& key)
{
    bool ok = false;
    const unsigned value = parameters.value(key).toUInt(&ok);
    return ok && value != 0;
}
