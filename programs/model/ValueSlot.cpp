#include "ValueSlot.h"

#include <QStringList>

#include <cfloat>
#include <cmath>

namespace {

const QStringList& valueFormulas()
{
    static const QStringList names = {
        QStringLiteral("y=x"),
        QStringLiteral("y=a"),
        QStringLiteral("y=a*x+b"),
        QStringLiteral("y=a/(x+b)+c"),
        QStringLiteral("y=a*(x+b)^c+d"),
        QStringLiteral("y=a*log(x+b)+c"),
        QStringLiteral("y=1/(1+e^(-4b(x-a)))"),
        QStringLiteral("y=a*sin(b*x+c)+d"),
        QStringLiteral("y=a*cos(b*x+c)+d"),
        QStringLiteral("y=a*sin(Pi/180*(b*x+c))+d"),
        QStringLiteral("y=a*cos(Pi/180*(b*x+c))+d"),
    };
    return names;
}

constexpr double singleE = 2.7182817459106445;
// 3.1415926535 / 180, the scale of the degree formulas.
constexpr double degreeScale = 0.017453292519444445;

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

ValueSlot::ValueSlot(QGraphicsScene* canvas, const SlotSpec& spec, Node* owner)
    : DataSlot(canvas, spec, owner), m_value(spec.defaultValue())
{
    setPixmaps(QStringLiteral("value_idle.png"), QStringLiteral("value_accept.png"),
               QStringLiteral("value_reject.png"));
    setTransformNames(valueFormulas());
}

void ValueSlot::reset()
{
    m_value.store(spec().defaultValue(), std::memory_order_relaxed);
}

void ValueSlot::fetch()
{
    if (!isInput())
        return;
    float x = spec().defaultValue();
    if (Slot* source = connectedSource()) {
        if (ValueSlot* valueSource = source->toValueSlot())
            x = valueSource->value();
    }
    m_value.store(applyTransform(x), std::memory_order_relaxed);
}

QString ValueSlot::text() const
{
    const QString name = Slot::text();
    if (transform() <= 0 || transform() >= transformNames().size())
        return name;
    return name + QLatin1Char('\n') + formulaText();
}

QString ValueSlot::formulaText() const
{
    const QString formula = transformNames().at(transform());
    QString result;
    for (qsizetype i = 0; i < formula.size(); ++i) {
        const QChar c = formula.at(i);
        const int parameterIndex = c.unicode() - 'a';
        const bool standsAlone = (i == 0 || !isWordCharacter(formula.at(i - 1)))
            && (i + 1 == formula.size() || !isWordCharacter(formula.at(i + 1)));
        if (parameterIndex >= 0 && parameterIndex < 4 && standsAlone)
            result += QString::number(parameter(parameterIndex), 'g', 6);
        else
            result += c;
    }
    return result;
}

ValueSlot* ValueSlot::toValueSlot()
{
    return this;
}

void ValueSlot::setValue(float value)
{
    m_value.store(applyTransform(value), std::memory_order_relaxed);
}

bool ValueSlot::toBool() const
{
    return value() >= 0.5f;
}

int ValueSlot::toInt() const
{
    const double v = value();
    const double rounded = v > 0 ? std::trunc(v + 0.5) : std::trunc(v - 0.5);
    // Out-of-range values and NaN have no int; they give the nearest bound or 0.
    if (std::isnan(rounded))
        return 0;
    if (rounded >= 2147483647.0)
        return 2147483647;
    if (rounded <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int>(rounded);
}

float ValueSlot::applyTransform(float x) const
{
    const int formula = transform();
    // The plain formula is by far the most common; it needs no parameters.
    if (formula == 0)
        return x;
    const double a = this->a(), b = this->b(), c = this->c(), d = this->d();
    switch (formula) {
    case 1: return this->a();
    case 2: return static_cast<float>(a * x + b);
    case 3:
        if (x + this->b() == 0.0f)
            return FLT_MAX;
        return static_cast<float>(a / (x + b) + c);
    case 4:
        if (this->c() < 0.0f && x + this->b() == 0.0f)
            return FLT_MAX;
        return static_cast<float>(a * std::pow(x + b, c) + d);
    case 5: return static_cast<float>(a * std::log(x + b) + c);
    case 6: return static_cast<float>(1.0 / (std::pow(singleE, (x - a) * (b * -4.0)) + 1.0));
    case 7: return static_cast<float>(a * std::sin(b * x + c) + d);
    case 8: return static_cast<float>(a * std::cos(b * x + c) + d);
    case 9: return static_cast<float>(a * std::sin((b * x + c) * degreeScale) + d);
    case 10: return static_cast<float>(a * std::cos((b * x + c) * degreeScale) + d);
    default: return x;
    }
}
