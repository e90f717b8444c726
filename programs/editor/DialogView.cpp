#include "DialogView.h"

#include "EditorGeometry.h"
#include "NodeDialog.h"

#include <QCursor>
#include <QFrame>
#include <QPalette>
#include <QRegion>
#include <QScrollBar>

DialogView::DialogView(QWidget* parent) : QScrollArea(parent)
{
    auto* contents = new QWidget();
    contents->setFixedSize(contentsSize, contentsSize);
    QPalette palette = contents->palette();
    palette.setColor(QPalette::Window, QColor(200, 200, 200));
    contents->setPalette(palette);
    contents->setAutoFillBackground(true);
    setWidget(contents);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setMaximumSize(contentsSize, contentsSize);

    m_dragOutline = new QFrame(contents);
    m_dragOutline->setFrameShape(QFrame::Box);
    m_dragOutline->setFrameShadow(QFrame::Raised);
    m_dragOutline->setLineWidth(outlineWidth);
    m_dragOutline->move(0, 0);
    m_dragOutline->hide();
}

void DialogView::addDialog(NodeDialog* dialog)
{
    if (!dialog || m_dialogs.contains(dialog))
        return;
    if (dialog->parentWidget() != widget())
        dialog->setParent(widget());
    dialog->move(0, 0);
    ensureDialogVisible(dialog);
    m_dialogs.append(dialog);
}

void DialogView::removeDialog(NodeDialog* dialog)
{
    m_dialogs.removeOne(dialog);
}

QPoint DialogView::dialogPosition(NodeDialog* dialog) const
{
    return m_dialogs.contains(dialog) ? dialog->pos() : QPoint(-1, -1);
}

QSize DialogView::dialogSize(NodeDialog* dialog) const
{
    return m_dialogs.contains(dialog) ? dialog->size() : QSize(-1, -1);
}

void DialogView::closeAllDialogs()
{
    // Every close takes its dialog out of the list.
    const QList<NodeDialog*> open = m_dialogs;
    for (NodeDialog* dialog : open)
        dialog->close();
}

void DialogView::dragDialog(NodeDialog* dialog, int mouseX, int mouseY, int pressX, int pressY)
{
    const QSize size = dialog->size();
    m_dragOutline->resize(size);
    const int half = outlineWidth / 2;
    const QRegion outer(0, 0, size.width(), size.height());
    const QRegion inner(half + outlineWidth / 2, half + outlineWidth / 2, size.width() - 2 * outlineWidth,
                        size.height() - 2 * outlineWidth);
    m_dragOutline->setMask(outer.subtracted(inner));

    QPoint target = dialog->pos() - QPoint(pressX, pressY) + QPoint(mouseX, mouseY);
    target.setX(qBound(0, target.x(), std::max(0, contentsSize - size.width())));
    target.setY(qBound(0, target.y(), std::max(0, contentsSize - size.height())));
    // The title stays under the mouse even where the outline stops at an edge.
    QCursor::setPos(widget()->mapToGlobal(target + QPoint(pressX, pressY)));
    m_dragOutline->move(snapToGrid(target, gridSize()));
    if (m_dragOutline->isHidden()) {
        m_dragOutline->show();
        m_dragOutline->raise();
    }
}

void DialogView::dropDialog(NodeDialog* dialog)
{
    dialog->move(m_dragOutline->pos());
    m_dragOutline->hide();
}

void DialogView::ensureDialogVisible(NodeDialog* dialog)
{
    const QRect visible(horizontalScrollBar()->value(), verticalScrollBar()->value(), viewport()->width(),
                        viewport()->height());
    if (visible.contains(dialog->geometry()))
        return;
    const QPoint centre = dialog->geometry().center();
    horizontalScrollBar()->setValue(centre.x() - viewport()->width() / 2);
    verticalScrollBar()->setValue(centre.y() - viewport()->height() / 2);
}
