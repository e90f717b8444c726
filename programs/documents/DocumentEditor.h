#pragma once

#include <QList>

class Net;
class NetLine;
class NetPoint;
class Node;
class QWidget;
class State;
class StateView;

// What a document asks of its editor view. The editor folder builds on the documents, so
// the view registers itself here (StateBase::setEditor) instead of being included.
class DocumentEditor
{
public:
    virtual ~DocumentEditor() = default;

    virtual StateView* editorView() = 0;
    // Drop a deleted item from the selection without touching its look.
    virtual void deselectNode(Node* node) = 0;
    virtual void deselectNetPoint(NetPoint* point) = 0;
    virtual void deselectNetLine(NetLine* line) = 0;
    virtual void deleteSelection() = 0;
    virtual void selectItems(const QList<Node*>& nodes, const QList<Net*>& nets) = 0;
    // Ends a net the user is drawing, leaving the document as it was before it.
    virtual void cancelNet() = 0;
    virtual void setGridVisible(bool on) = 0;
    virtual void setGridSpacing(int spacing) = 0;

    // The window of a function-block program: editor, constants table and dialog area.
    static QWidget* createProgramWindow(QWidget* parent, State* program);
};
