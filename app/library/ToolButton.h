#pragma once

#include "NodeType.h"

#include <QToolButton>

#include <functional>

class QDrag;

// One variant of a block kind in the library: drawn flat with its icon and name; pulled
// out of itself it starts a copy drag carrying the block's descriptor.
class ToolButton : public QToolButton
{
    Q_OBJECT

public:
    ToolButton(QWidget* parent, const NodeType& type);

    const NodeType& nodeType() const { return m_type; }

    // Runs a started drag; tests replace it to catch the drag without a real mouse.
    using DragRunner = std::function<Qt::DropAction(QDrag*)>;
    static void setDragRunner(DragRunner runner);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void setBackground(const QColor& colour);

    NodeType m_type;
};
