#include "SiggenDialog.h"

#include "NumberText.h"
#include "Siggen.h"
#include "SiggenPlotter.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

SiggenDialog::SiggenDialog(QWidget* view, Siggen* block) : NodeDialog(view, block), block(block)
{
}

QWidget* SiggenDialog::createCustomWidget(QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setMinimumSize(200, 200);
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    preview = new SiggenPlotter(page, block);
    layout->addWidget(preview, 0, 0, 1, 3);
    layout->setRowStretch(0, 1);
    const SiggenWaveform wave = block->waveform();
    amp_slider = addRow(layout, 1, QStringLiteral("A:"), amp_lCDNumber, QStringLiteral("amp_lCDNumber"));
    amp_slider->setRange(0, SiggenWaveform::ampSliderMaximum);
    amp_slider->setValue(wave.ampSliderValue);
    amp_lCDNumber->setText(numberText(wave.amplitude));
    freq_slider = addRow(layout, 2, QStringLiteral("f:"), freq_lCDNumber, QStringLiteral("freq_lCDNumber"));
    freq_slider->setObjectName(QStringLiteral("freq_slider"));
    freq_slider->setRange(0, SiggenWaveform::freqSliderMaximum);
    freq_slider->setValue(wave.freqSliderValue);
    freq_lCDNumber->setText(numberText(wave.frequency));
    pw_slider = addRow(layout, 3, QStringLiteral("PW:"), pw_lCDNumber, QStringLiteral("pw_lCDNumber"));
    pw_slider->setObjectName(QStringLiteral("pw_slider"));
    pw_slider->setRange(1, SiggenWaveform::pwSliderMaximum);
    pw_slider->setValue(wave.pwSliderValue);
    pw_lCDNumber->setText(QString::number(wave.pulseWidth));
    connect(amp_slider, &QSlider::valueChanged, this, &SiggenDialog::amp_slider_valueChanged);
    connect(freq_slider, &QSlider::valueChanged, this, &SiggenDialog::freq_slider_valueChanged);
    connect(pw_slider, &QSlider::valueChanged, this, &SiggenDialog::pw_slider_valueChanged);
    connect(this, &NodeDialog::subTypeChanged, this, &SiggenDialog::subTypeChanged_Slot);
    subTypeChanged_Slot(int(block->type()->subtype()));
    return page;
}

QSlider* SiggenDialog::addRow(QGridLayout* layout, int row, const QString& caption, QLabel*& valueLabel,
                              const QString& name)
{
    QWidget* page = layout->parentWidget();
    layout->addWidget(new QLabel(caption, page), row, 0);
    valueLabel = new QLabel(page);
    valueLabel->setObjectName(name);
    valueLabel->setMinimumWidth(valueLabel->fontMetrics().horizontalAdvance(QStringLiteral("10000")));
    layout->addWidget(valueLabel, row, 1);
    auto* slider = new QSlider(Qt::Horizontal, page);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    layout->addWidget(slider, row, 2);
    return slider;
}

void SiggenDialog::amp_slider_valueChanged(int v)
{
    SiggenWaveform wave = block->waveform();
    wave.ampSliderValue = v;
    wave.applyAmplitude();
    block->setWaveform(wave);
    amp_lCDNumber->setText(numberText(wave.amplitude));
    changed();
}

void SiggenDialog::freq_slider_valueChanged(int v)
{
    SiggenWaveform wave = block->waveform();
    wave.freqSliderValue = v;
    wave.applyFrequency();
    block->setWaveform(wave);
    // Lowering the maximum may move the slider, which applies the new width at once.
    pw_slider->setMaximum(wave.pwSliderMax);
    pw_slider_valueChanged(block->waveform().pwSliderValue);
    freq_lCDNumber->setText(numberText(wave.frequency));
    changed();
}

void SiggenDialog::pw_slider_valueChanged(int v)
{
    SiggenWaveform wave = block->waveform();
    wave.pwSliderValue = v;
    wave.applyPulseWidth();
    block->setWaveform(wave);
    pw_lCDNumber->setText(QString::number(wave.pulseWidth));
    changed();
}

void SiggenDialog::subTypeChanged_Slot(int subtype)
{
    const bool square = subtype == 0;
    pw_slider->setEnabled(square);
    pw_lCDNumber->setEnabled(square);
    preview->rebuild();
}

void SiggenDialog::changed()
{
    preview->rebuild();
    setNodeModified();
}

NodeDialog* Siggen::createDialog(QWidget* parent)
{
    return new SiggenDialog(parent, this);
}
