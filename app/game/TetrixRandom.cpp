#include "TetrixRandom.h"

#include <QString>

#include <cmath>

namespace {
double randomState = 0.33333;
}

namespace TetrixRandom {

void seed(double s)
{
    double value = std::fabs(s);
    if (value >= 1.0)
        value -= std::floor(value);
    // Every even decimal digit made odd: the state never ends in a short cycle of zeros.
    QString text = QString::number(static_cast<float>(value), 'f', 5);
    const int point = static_cast<int>(text.indexOf(QLatin1Char('.')));
    for (int i = point + 1; i < text.size(); ++i) {
        const int digit = text.at(i).digitValue();
        if (digit % 2 == 0)
            text[i] = QChar(QLatin1Char(static_cast<char>('0' + digit + 1)));
    }
    randomState = text.toDouble();
}

int next(int n)
{
    double whole = 0;
    randomState = std::modf(randomState * 147.0, &whole);
    return static_cast<int>(randomState * n);
}

double state()
{
    return randomState;
}

void setState(double value)
{
    randomState = value;
}

} // namespace TetrixRandom
