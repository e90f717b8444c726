#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Reads the messages of a compiled translation file (.qm), which Qt's translator cannot
// list. Malformed data gives the messages read up to the fault.
class QmReader
{
public:
    struct Message
    {
        QString context;
        QString sourceText;
        QString comment;
        QString translation;
    };

    static QList<Message> read(const QByteArray& data);
    static QList<Message> readFile(const QString& fileName);
};
