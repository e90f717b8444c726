#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Opens the files that blocks name in workspace files, so that no name can hang the
// program: the open never waits (a FIFO without a partner), and only the kinds of file
// a block is meant to use are accepted (never a folder or a device, which could block a
// read or never end a line).
namespace FileOpening {

enum class Kinds { RegularOnly, RegularOrFifo };

// Reads of a FIFO opened here never wait either: without data they return nothing.
bool openForReading(QFile& file, const QString& name, Kinds kinds);
// Creates or empties a regular file; a FIFO opens only while a reader holds it.
bool openForWriting(QFile& file, const QString& name, Kinds kinds);
// The whole content of a regular file; empty for any other name.
QByteArray regularFileContent(const QString& name);

} // namespace FileOpening
