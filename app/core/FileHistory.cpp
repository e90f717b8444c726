#include "FileHistory.h"

#include <QDir>
#include <QFileInfo>

FileHistory fileHistory(5);

FileHistory::FileHistory(int capacity) : m_capacity(capacity)
{
}

FileHistory::Entry FileHistory::at(int i) const
{
    if (i < 0 || i >= count())
        return Entry(QString(), StateBase_t::Program);
    return m_entries.at(i);
}

void FileHistory::add(const QString& fileName, int kind)
{
    if (kind != StateBase_t::Program && kind != StateBase_t::Chart)
        return;
    if (fileName.isEmpty())
        return;
    const int existing = find(fileName);
    if (existing >= 0)
        m_entries.removeAt(existing);
    m_entries.prepend(Entry(fileName, static_cast<StateBase_t::statebase_t>(kind)));
    if (count() > m_capacity)
        removeLast();
    QDir::setCurrent(QFileInfo(fileName).absolutePath());
}

void FileHistory::add(StateBase* document)
{
    if (document && document->hasFileName())
        add(document->fileName(), document->kind());
}

void FileHistory::remove(const QString& fileName)
{
    const int existing = find(fileName);
    if (existing >= 0)
        m_entries.removeAt(existing);
}

int FileHistory::find(const QString& fileName) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_entries.at(i).first == fileName)
            return i;
    }
    return -1;
}
