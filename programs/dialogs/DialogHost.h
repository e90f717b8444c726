#pragma once

#include <QPoint>

class NodeDialog;
class QWidget;

// What a block dialog needs of the area it floats in (the program window's dialog
// area implements it). A dialog looks for one among its parents; without one it
// places itself directly in its parent widget.
class DialogHost
{
public:
    virtual ~DialogHost();

    // GUI thread: the dialog was created in the area, and is going away.
    virtual void addDialog(NodeDialog* dialog) = 0;
    virtual void removeDialog(NodeDialog* dialog) = 0;
    // A title drag moved the mouse to (mouseX, mouseY), pressed at (pressX, pressY),
    // both relative to the dialog; the area shows where the dialog would land.
    virtual void dragDialog(NodeDialog* dialog, int mouseX, int mouseY, int pressX, int pressY) = 0;
    // The drag ended: the dialog moves where the area showed it.
    virtual void dropDialog(NodeDialog* dialog) = 0;
    // Scrolls the area so that the dialog is in sight.
    virtual void ensureDialogVisible(NodeDialog* dialog) = 0;
};

// The placement grid of block dialogs, in pixels.
constexpr int dialogGridSize = 20;

// Resizes the widget to the dialog grid: each coordinate to the nearest grid line, or
// with up to the next one unless it lies on a line.
void resizeWidgetToGrid(QWidget* widget, int width, int height, bool up);
