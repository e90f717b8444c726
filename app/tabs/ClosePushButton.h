#pragma once

#include <QPushButton>

// The close button at the right end of the tab bar, drawn from three pictures.
class ClosePushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ClosePushButton(QWidget* parent = nullptr);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showPicture(const char* name);
};
