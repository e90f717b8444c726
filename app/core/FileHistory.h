#pragma once

#include "StateBase.h"

#include <QList>
#include <QPair>
#include <QString>

// The recently used workspace files with their document kind, most recent first.
// Adding a file also makes its folder the working folder, where the next file dialog starts.
class FileHistory
{
public:
    using Entry = QPair<QString, StateBase_t::statebase_t>;

    explicit FileHistory(int capacity);

    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    int capacity() const { return m_capacity; }
    Entry at(int i) const;
    void add(const QString& fileName, int kind);
    void add(StateBase* document);
    void remove(const QString& fileName);
    void clear() { m_entries.clear(); }

private:
    void removeLast() { m_entries.removeLast(); }
    int find(const QString& fileName) const;

    int m_capacity;
    QList<Entry> m_entries;
};

extern FileHistory fileHistory;
