#pragma once

#include <QPixmap>
#include <QToolButton>

// A run button drawn entirely from five pictures: pressed, not pressed, disabled, and the
// two with the mouse over it.
class ToolbarButton : public QToolButton
{
    Q_OBJECT

public:
    ToolbarButton(const QString& pressed, const QString& notPressed, const QString& disabled,
                  const QString& pressedActive, const QString& notPressedActive, QWidget* parent);

    bool isHovered() const { return m_hover; }
    // The picture that painting shows now.
    const QPixmap& currentPicture() const;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_pressed;
    QPixmap m_notPressed;
    QPixmap m_disabled;
    QPixmap m_pressedActive;
    QPixmap m_notPressedActive;
    bool m_hover = false;
};
