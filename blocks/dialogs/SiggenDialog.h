#pragma once

#include "NodeDialog.h"

class QGridLayout;
class QLabel;
class QSlider;
class Siggen;
class SiggenPlotter;

// The signal generator's page: a preview of one period over the sliders of amplitude,
// frequency and pulse width.
class SiggenDialog : public NodeDialog
{
    Q_OBJECT

public:
    SiggenDialog(QWidget* view, Siggen* block);

    QWidget* createCustomWidget(QWidget* parent) override;

    SiggenPlotter* plotter() const { return preview; }
    QSlider* ampSlider() const { return amp_slider; }
    QSlider* freqSlider() const { return freq_slider; }
    QSlider* pwSlider() const { return pw_slider; }

public Q_SLOTS:
    void subTypeChanged_Slot(int subtype);
    void freq_slider_valueChanged(int v);
    void amp_slider_valueChanged(int v);
    void pw_slider_valueChanged(int v);

private:
    QSlider* addRow(QGridLayout* layout, int row, const QString& caption, QLabel*& valueLabel, const QString& name);
    void changed();

    Siggen* block;
    SiggenPlotter* preview = nullptr;
    QSlider* amp_slider = nullptr;
    QSlider* freq_slider = nullptr;
    QSlider* pw_slider = nullptr;
    QLabel* amp_lCDNumber = nullptr;
    QLabel* freq_lCDNumber = nullptr;
    QLabel* pw_lCDNumber = nullptr;
};
