#pragma once

#include <QString>

// The path of a file relative to a folder, both with "/" separators, as program
// references in sequence charts store it. A path on another root comes back unchanged.
// Folders compare case-sensitively, as Linux file names do.
QString relativePath(const QString& path, const QString& dir);
