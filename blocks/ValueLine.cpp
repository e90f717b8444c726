#include "ValueLine.h"

#include <QString>

namespace {

bool isSeparator(char c)
{
    return c == '\t' || c == '\n' || c == ';' || c == ',' || c == 's';
}

int nextSeparator(const QByteArray& line, int from)
{
    for (int i = from; i < line.size(); ++i) {
        if (isSeparator(line[i]))
            return i;
    }
    return -1;
}

} // namespace

QByteArray ValueLine::format(const QVector<double>& values)
{
    QByteArray line;
    for (int i = 0; i < values.size(); ++i) {
        if (i > 0)
            line += '\t';
        line += QString::number(values[i], 'g', 6).toLatin1();
    }
    line += '\n';
    return line;
}

void ValueLine::parse(const QByteArray& line, QVector<double>& values)
{
    int position = 0;
    for (int k = 0; k < values.size(); ++k) {
        int end = nextSeparator(line, position);
        if (end < 0) {
            // Only a last line without a line feed has text after its last separator;
            // its final number still counts.
            if (position >= line.size())
                return;
            end = line.size();
        }
        bool ok = false;
        // QString::toDouble is locale-independent and ignores surrounding blanks,
        // which also takes care of a carriage return before the line feed.
        values[k] = QString::fromLatin1(line.mid(position, end - position)).toDouble(&ok);
        if (!ok) {
            values[k] = 0.0;
            return;
        }
        position = end + 1;
    }
}
