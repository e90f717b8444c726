#pragma once

#include "Node.h"

#include <QPoint>
#include <QPointer>
#include <QSize>

#include <libxml/tree.h>

#include <atomic>

class NodeDialog;
class QGraphicsScene;
class QWidget;
class State;

// Base of every function block: adds the block's dialog (opening, re-opening at its
// saved place) and the block's "node" element in workspace files.
class StateNode : public Node
{
    Q_OBJECT

public:
    // Contents of the dialog area and the smallest block dialog; a loaded dialog
    // geometry is kept inside these.
    static constexpr int dialogAreaSize = 2000;
    static constexpr int minimumDialogWidth = 120;
    static constexpr int minimumDialogHeight = 60;
    // More slots per side than this mark a damaged node element.
    static constexpr unsigned maximumSlotsPerSide = 100;

    StateNode(State* owner, QGraphicsScene* canvas, unsigned id, const NodeType& type);
    ~StateNode() override;

    // The function-block base descriptor: empty, flag 1.
    static NodeType baseType();
    // Creates a block through the registered factory; null when none is registered.
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);
    // Builds a block from a node element, or null; the block is in none of the
    // program's lists yet.
    static StateNode* load(QGraphicsScene* canvas, xmlNode* element, State* owner);

    bool saveXml(xmlNode* parent) override;
    // GUI thread. parent is the dialog area's contents widget: a dialog's position
    // there is what the workspace file stores.
    virtual void showDialog(QWidget* parent, bool restore);
    // The default dialog has the scaling and settings pages only.
    virtual NodeDialog* createDialog(QWidget* parent);
    // The loader has set the block's parameters: a block shown in the constants table
    // refreshes its row there.
    virtual void updateConstView() { }

    // GUI thread: the open dialog closes; its deletion is posted.
    void dialogClosed();
    // Any thread may ask whether a dialog is open; only the GUI thread may use it.
    NodeDialog* dialog() const { return m_dialog.load(); }
    State* stateOwner() const { return m_stateOwner; }
    bool dialogWasOpen() const { return m_dialogWasOpen; }
    QPoint dialogPos() const { return m_dialogPos; }
    QSize dialogSize() const { return m_dialogSize; }

protected:
    // Deletes the dialog, open or closed with its deletion still posted, at once. A block whose
    // dialog reaches the block's own members calls this first in its destructor, while they exist.
    void deleteDialog();

    // Hands a dialog refresh posted from a processing thread to the dialog open at
    // delivery; dropped when none is.
    void customEvent(QEvent* event) override;

private:
    bool readElement(xmlNode* element);
    bool readWorkspace(xmlNode* element);
    void readDialogGeometry(xmlNode* dialogElement);
    bool readParameters(xmlNode* element);
    bool readSlots(xmlNode* element);
    void writeWorkspace(xmlNode* element) const;
    void writeSlots(xmlNode* element) const;

    QPoint m_dialogPos;
    QSize m_dialogSize;
    bool m_dialogWasOpen = false;
    State* m_stateOwner;
    std::atomic<NodeDialog*> m_dialog {nullptr};
    QPointer<NodeDialog> m_closedDialog; // GUI thread: closed, its deletion posted
};
