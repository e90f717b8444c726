#include "FrequencyDisplay.h"

#include "ComCenter.h"
#include "StateProcessor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QTimer>

namespace {

// The image-rate samples outlive every display, as the process's history.
float imageRateSamples[FrequencyDisplay::samples] = {};
int sampleIndex = 0;

} // namespace

FrequencyDisplay::FrequencyDisplay(QWidget* parent) : QWidget(parent), timer(new QTimer(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    jpegSize = new QLabel(QStringLiteral("0kB"), this);
    jpegSize->setToolTip(tr("Size of transmitted JPEG-image."));
    programRateLabel = new QLabel(QStringLiteral("0"), this);
    programRateLabel->setToolTip(tr("Program processing frequency in Hertz."));
    imageRateLabel = new QLabel(QStringLiteral("0"), this);
    imageRateLabel->setToolTip(tr("Image processing frequency in Hertz."));
    serialLineRateLabel = new QLabel(QStringLiteral("0"), this);
    serialLineRateLabel->setToolTip(tr("Serial line update frequency in Hertz."));
    layout->addWidget(jpegSize);
    layout->addSpacerItem(new QSpacerItem(10, 1));
    layout->addWidget(programRateLabel);
    layout->addSpacerItem(new QSpacerItem(10, 1));
    layout->addWidget(imageRateLabel);
    layout->addSpacerItem(new QSpacerItem(10, 1));
    layout->addWidget(serialLineRateLabel);
    connect(timer, &QTimer::timeout, this, &FrequencyDisplay::timer_timeout);
    timer->start(refreshMs);
}

void FrequencyDisplay::timer_timeout()
{
    imageRateSamples[sampleIndex] = static_cast<float>(imageRate.load());
    sampleIndex = (sampleIndex + 1) % samples;
    float sum = 0.0f;
    for (float sample : imageRateSamples)
        sum += sample;
    const float average = sum / samples;
    jpegSize->setText(QString::number(lastImageSize.load() / 1000) + QStringLiteral("kB"));
    programRateLabel->setText(QString::number(static_cast<unsigned>(programRate.load())));
    imageRateLabel->setText(QString::number(static_cast<int>(average)));
    serialLineRateLabel->setText(QString::number(serialLineRate.load()));
}
