#pragma once

#include <QByteArray>
#include <QVector>

// One line of a value file: numbers separated by TAB, written with six significant
// digits and ended by a line feed.
class ValueLine
{
public:
    static QByteArray format(const QVector<double>& values);

    // Fills values (already sized and zeroed by the caller) from the numbers of line,
    // in order. TAB, LF, ';', ',' and 's' separate numbers; a token that is no number
    // stores 0 and ends the line. Text after the last separator counts only when the
    // line has no line feed (the file's last line), so that its number is not lost.
    static void parse(const QByteArray& line, QVector<double>& values);
};
