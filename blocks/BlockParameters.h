#pragma once

#include <QMap>
#include <QString>

// Readings of the block parameters that a workspace file stores as text.

// Any unsigned number but 0 is true; a missing, negative or non-numeric text is false.
bool parameterFlag(const QMap<QString, QString>& parameters, const QString& key);
