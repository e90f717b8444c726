#include "SiggenPlotter.h"

#include "NumberText.h"
#include "ShellServices.h"
#include "Siggen.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

// Frame of the preview: the plot area and the marks of zero, amplitude and period end.
struct PreviewFrame
{
    int x0, top, right, bottom, xEnd, axisY, lowY, highY;
};

PreviewFrame frameFor(int w, int h, bool sine)
{
    PreviewFrame f {};
    f.x0 = 35;
    f.top = 10;
    f.right = w - 11;
    f.bottom = h - 21;
    f.xEnd = f.right - 15;
    f.lowY = f.bottom - 15;
    f.highY = f.top + 15;
    f.axisY = sine ? (f.bottom + f.top) / 2 : f.bottom;
    return f;
}

} // namespace

SiggenPlotter::SiggenPlotter(QWidget* parent, Siggen* block) : QWidget(parent), block(block)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SiggenPlotter::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    rebuild();
}

void SiggenPlotter::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (const QRect& rect : event->region())
        painter.drawPixmap(rect, pixmap, rect);
}

void SiggenPlotter::rebuild()
{
    const SiggenWaveform wave = block->waveform();
    const int shape = int(block->type()->subtype());
    const bool sine = shape == SiggenWaveform::Sine;
    const PreviewFrame f = frameFor(width(), height(), sine);
    pixmap = QPixmap(size());
    pixmap.fill(palette().color(backgroundRole()));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawLine(f.x0, f.bottom, f.x0, f.top);
    painter.drawLine(f.x0, f.axisY, f.right, f.axisY);
    painter.drawLine(f.x0 - 1, f.lowY, f.x0 - 6, f.lowY);
    painter.drawLine(f.x0 - 1, f.highY, f.x0 - 6, f.highY);
    painter.drawLine(f.xEnd, f.axisY + 1, f.xEnd, f.axisY + 6);
    QFont font(applicationFontFamily);
    font.setPointSize(8);
    painter.setFont(font);
    const QString lowText = sine ? numberText(-wave.amplitude / 2.0) : QStringLiteral("0");
    const QString highText = sine ? numberText(wave.amplitude / 2.0) : numberText(wave.amplitude);
    painter.drawText(QRect(QPoint(0, f.lowY - 4), QPoint(25, f.lowY + 3)), Qt::AlignRight | Qt::AlignVCenter, lowText);
    painter.drawText(QRect(QPoint(0, f.highY - 4), QPoint(25, f.highY + 3)), Qt::AlignRight | Qt::AlignVCenter,
                     highText);
    painter.drawText(QRect(QPoint(f.xEnd - 17, f.axisY + 9), QPoint(f.xEnd + 17, f.axisY + 16)),
                     Qt::AlignCenter | Qt::TextDontClip, numberText(1000.0 / wave.frequency));
    const float xFactor = float(f.xEnd - f.x0) * wave.frequency / 1000.0f;
    const float yScale = wave.amplitude != 0.0f ? float(f.lowY - f.highY) / wave.amplitude : 0.0f;
    const int base = sine ? f.axisY : f.lowY;
    auto toX = [&](double t) { return int(f.x0 + xFactor * t); };
    auto toY = [&](double v) { return int(base - yScale * v); };
    painter.setPen(Qt::red);
    if (shape == SiggenWaveform::Square) {
        const double pw = wave.pulseWidth;
        painter.drawLine(toX(0), toY(wave.amplitude), toX(pw), toY(wave.amplitude));
        painter.drawLine(toX(pw), toY(0), toX(pw), toY(wave.amplitude));
        painter.drawLine(toX(pw), toY(0), toX(wave.period), toY(0));
    } else if (shape == SiggenWaveform::Ramp || sine) {
        QPoint previous(toX(0), toY(0));
        for (double t = 0; t <= wave.period; t += 20) {
            const float value = wave.valueAt(shape, std::uint32_t(t), 0.0f);
            const QPoint p(toX(t), toY(value));
            painter.drawLine(previous, QPoint(p.x(), previous.y()));
            painter.drawLine(QPoint(p.x(), previous.y()), p);
            previous = p;
        }
    }
    painter.end();
    update();
}
