#include "QmReader.h"

#include <QFile>
#include <QtEndian>

namespace {

const unsigned char qmMagic[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                   0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

enum Tag {
    End = 1,
    SourceText16 = 2,
    Translation = 3,
    Context16 = 4,
    Obsolete1 = 5,
    SourceText = 6,
    Context = 7,
    Comment = 8,
    Obsolete2 = 9
};
constexpr unsigned char messagesSection = 0x69;

class Cursor
{
public:
    Cursor(const char* data, qsizetype size) : m_data(data), m_size(size) { }
    bool atEnd() const { return m_pos >= m_size; }
    bool canRead(qsizetype n) const { return n >= 0 && m_size - m_pos >= n; }
    unsigned char byte() { return static_cast<unsigned char>(m_data[m_pos++]); }
    quint32 number()
    {
        const quint32 value = qFromBigEndian<quint32>(m_data + m_pos);
        m_pos += 4;
        return value;
    }
    QByteArray bytes(qsizetype n)
    {
        const QByteArray out(m_data + m_pos, n);
        m_pos += n;
        return out;
    }

private:
    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

QString utf16(const QByteArray& bytes)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text.append(QChar(static_cast<char16_t>((uchar(bytes[i]) << 8) | uchar(bytes[i + 1]))));
    return text;
}

// One message's fields up to its End tag; false at a malformed field.
bool readMessage(Cursor& in, QmReader::Message& message)
{
    while (in.canRead(1)) {
        const unsigned char tag = in.byte();
        if (tag == End)
            return true;
        if (tag == Obsolete1)
            continue;
        if (!in.canRead(4))
            return false;
        const quint32 length = in.number();
        if (tag == Translation && length == 0xffffffffu)
            continue;
        if (!in.canRead(qsizetype(length)))
            return false;
        const QByteArray field = in.bytes(qsizetype(length));
        switch (tag) {
        case Translation: message.translation = utf16(field); break;
        case SourceText16: message.sourceText = utf16(field); break;
        case Context16: message.context = utf16(field); break;
        case SourceText: message.sourceText = QString::fromUtf8(field); break;
        case Context: message.context = QString::fromUtf8(field); break;
        case Comment: message.comment = QString::fromUtf8(field); break;
        case Obsolete2: break;
        default: return false;
        }
    }
    return false;
}

} // namespace

QList<QmReader::Message> QmReader::read(const QByteArray& data)
{
    QList<Message> messages;
    if (data.size() < 16 || memcmp(data.constData(), qmMagic, 16) != 0)
        return messages;
    Cursor in(data.constData() + 16, data.size() - 16);
    while (in.canRead(5)) {
        const unsigned char section = in.byte();
        const quint32 length = in.number();
        if (!in.canRead(qsizetype(length)))
            break;
        const QByteArray body = in.bytes(qsizetype(length));
        if (section != messagesSection)
            continue;
        Cursor entries(body.constData(), body.size());
        while (!entries.atEnd()) {
            Message message;
            if (!readMessage(entries, message))
                return messages;
            messages.append(message);
        }
    }
    return messages;
}

QList<QmReader::Message> QmReader::readFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return read(file.readAll());
}
