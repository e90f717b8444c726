#pragma once

#include "DialogHost.h"

#include <QList>
#include <QPoint>
#include <QScrollArea>
#include <QSize>

class NodeDialog;
class QFrame;

// The area of a program window where block dialogs float as child widgets, on a 20-pixel
// placement grid inside 2000 x 2000 contents. Dialogs are children of the contents widget,
// so their positions are contents coordinates.
class DialogView : public QScrollArea, public DialogHost
{
    Q_OBJECT

public:
    static constexpr int contentsSize = 2000;
    static constexpr int outlineWidth = 4;

    explicit DialogView(QWidget* parent);

    static int gridSize() { return dialogGridSize; }

    // Dialogs call these from their constructor and their close event.
    void addDialog(NodeDialog* dialog) override;
    void removeDialog(NodeDialog* dialog) override;
    // (-1, -1) for a dialog that is not hosted here.
    QPoint dialogPosition(NodeDialog* dialog) const;
    QSize dialogSize(NodeDialog* dialog) const;
    void closeAllDialogs();
    bool isEmpty() const { return m_dialogs.isEmpty(); }
    const QList<NodeDialog*>& dialogs() const { return m_dialogs; }

    // While a dialog is dragged by its title: mouse and press positions relative to it.
    void dragDialog(NodeDialog* dialog, int mouseX, int mouseY, int pressX, int pressY) override;
    void dropDialog(NodeDialog* dialog) override;
    void ensureDialogVisible(NodeDialog* dialog) override;
    QFrame* dragOutline() const { return m_dragOutline; }
    QWidget* contents() const { return widget(); }

private:
    QFrame* m_dragOutline;
    QList<NodeDialog*> m_dialogs;
};
