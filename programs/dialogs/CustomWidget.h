#pragma once

#include <QWidget>

// The block's own page of its dialog: holds the variant chooser and the widget that
// the block's dialog builds.
class CustomWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CustomWidget(QWidget* parent);

Q_SIGNALS:
    void mouseEnter();

protected:
    void enterEvent(QEnterEvent* event) override;
};
