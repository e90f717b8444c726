#pragma once

#include <QPixmap>
#include <QWidget>

class Siggen;

// Preview of one period of the signal generator's waveform, drawn into a pixmap of the
// widget's size whenever the widget or the settings change.
class SiggenPlotter : public QWidget
{
    Q_OBJECT

public:
    SiggenPlotter(QWidget* parent, Siggen* block);

    void rebuild();
    const QPixmap& picture() const { return pixmap; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Siggen* block;
    QPixmap pixmap;
};
