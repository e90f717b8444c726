#include "FileOpening.h"

#include "LogCategories.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileOpening {

namespace {

bool accepted(mode_t mode, Kinds kinds)
{
    return S_ISREG(mode) || (kinds == Kinds::RegularOrFifo && S_ISFIFO(mode));
}

// Looked at before the open, so that no device is opened at all, and again on the
// open descriptor, in case the name changed meanwhile.
bool openChecked(QFile& file, const QString& name, int flags, QIODevice::OpenMode mode, Kinds kinds)
{
    file.close();
    if (name.isEmpty())
        return false;
    const QByteArray path = QFile::encodeName(name);
    struct stat status
    { };
    if (::stat(path.constData(), &status) == 0 && !accepted(status.st_mode, kinds)) {
        qCDebug(lcBlocks) << name << "is not a kind of file a block opens";
        return false;
    }
    const int descriptor = ::open(path.constData(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return false;
    if (::fstat(descriptor, &status) != 0 || !accepted(status.st_mode, kinds)) {
        ::close(descriptor);
        return false;
    }
    file.setFileName(name);
    if (file.open(descriptor, mode, QFileDevice::AutoCloseHandle))
        return true;
    ::close(descriptor);
    return false;
}

} // namespace

bool openForReading(QFile& file, const QString& name, Kinds kinds)
{
    return openChecked(file, name, O_RDONLY, QIODevice::ReadOnly, kinds);
}

bool openForWriting(QFile& file, const QString& name, Kinds kinds)
{
    return openChecked(file, name, O_WRONLY | O_CREAT | O_TRUNC, QIODevice::WriteOnly, kinds);
}

QByteArray regularFileContent(const QString& name)
{
    QFile file;
    if (!openForReading(file, name, Kinds::RegularOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace FileOpening
