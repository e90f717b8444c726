#pragma once

#include "DocumentEditor.h"

#include <QGraphicsView>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QRect>

class NetDock;
class QGraphicsItem;
class QGraphicsRectItem;
class QMenu;
class Slot;
class StateBase;
class Tooltip;

// The canvas editor of one document: selects, moves and deletes blocks, net points and
// net lines, draws and splits nets, takes blocks dropped from the library, zooms and
// shows a grid. Every change goes through the document, inside one undo group per user
// operation.
class StateView : public QGraphicsView, public DocumentEditor
{
    Q_OBJECT

public:
    static constexpr int grid = 6;
    static constexpr int maxZoom = 800;
    // A drag must go further than this (Manhattan length) before anything moves.
    static constexpr int moveThreshold = 12;
    enum Direction { Up = 0, Down = 1, Left = 2, Right = 3 };

    StateView(QWidget* parent, StateBase* owner);
    ~StateView() override;

    StateView* editorView() override { return this; }
    StateBase* owner() const { return m_owner; }

    void zoomIn();
    void zoomOut();
    double zoom() const { return m_zoom; }
    bool isGridVisible() const { return m_gridVisible; }
    void setGridVisible(bool on) override;
    int gridSpacing() const { return m_gridSpacing; }
    void setGridSpacing(int spacing) override;
    void increaseGridSpacing();
    void decreaseGridSpacing();

    bool hasSelection() const;
    QList<Node*> selectedNodes() const { return m_selectedNodes; }
    QList<NetLine*> selectedNetLines() const { return m_selectedNetLines; }
    QList<NetPoint*> selectedNetPoints() const { return m_selectedNetPoints; }
    void moveSelection(int direction);
    void clearSelection();
    void deleteSelection() override;
    void selectItems(const QList<Node*>& nodes, const QList<Net*>& nets) override;
    void ensureNodeVisible(Node* node);
    QRect visibleCanvasRect() const;
    void deselectNode(Node* node) override;
    void deselectNetPoint(NetPoint* point) override;
    void deselectNetLine(NetLine* line) override;
    void cancelNet() override;
    void selectNetPoint(NetPoint* point, bool add);
    void selectNetLine(NetLine* line, bool add, bool withEnds);
    // The context menu of a right press, built but not shown.
    QMenu* createContextMenu();

    Net* netBeingDrawn() const { return m_drawnNet; }
    Node* draggedNode() const { return m_draggedNode; }
    Tooltip* tooltip() const { return m_tooltip; }
    QGraphicsRectItem* selectionRectangle() const { return m_selectionRect; }

    // Canvas point of the last mouse press; a lone pasted block lands there.
    QPoint pressPosition;

public Q_SLOTS:
    void removeNetPoint();
    void removeNetLine();
    void removeNode();
    void setSelectedNode(Node* node);
    void setSelectedNode(Node* node, bool multiselect);
    void setSelectedNode(Node* node, bool multiselect, bool canvasupdate);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;

private:
    void contentsMousePressEvent(QMouseEvent* event);
    void contentsMouseReleaseEvent(QMouseEvent* event);
    void contentsMouseDoubleClickEvent(QMouseEvent* event);
    void contentsMouseMoveEvent(QMouseEvent* event);
    void computeHits(const QPointF& viewportPosition, Qt::KeyboardModifiers modifiers);
    QPoint toCanvas(const QPointF& viewportPosition) const;
    Slot* findSlot() const;
    QGraphicsItem* findNodeIcon() const;
    NetPoint* findNetPoint() const;
    NetLine* findNetLine() const;
    void applyPressSelection(Node* node, NetPoint* point, NetLine* line);
    void startMove(const QPoint& origin);
    void moveSelectionWithMouse();
    void dragRubberBand();
    void dockClicked(NetDock* dock);
    void startNet(NetDock* dock);
    void finishNet(NetDock* dock);
    bool hoverSlot(const QPoint& p);
    void showSlotTooltip(Slot* slot, const QPoint& p);
    void highlightSlot(Slot* slot, Net* net);
    void forgetHighlightedSlot();
    Slot* highlightedSlot() const;
    void showContextMenu();
    void moveSelectionBy(const QPoint& d);
    void clearNodeSelection(Node* node);
    void clearNetPointSelection(NetPoint* point);
    void clearNetLineSelection(NetLine* line);
    void drawGridBackground();
    QRectF visibleSceneRect() const;
    bool shiftHeld() const;
    bool ctrlHeld() const;
    bool drawnNetTouches(const Node* node) const;
    void updateCanvas();

    double m_zoom = 100;
    Tooltip* m_tooltip;
    QGraphicsRectItem* m_selectionRect;
    QPoint m_rectOrigin;
    Node* m_draggedNode = nullptr;
    QList<NetPoint*> m_selectedNetPoints;
    Net* m_drawnNet = nullptr;
    QList<NetLine*> m_selectedNetLines;
    // The highlighted slot by block, side and index: a dialog may remove slots meanwhile.
    QPointer<Node> m_highlightedNode;
    int m_highlightedSide = 0;
    int m_highlightedIndex = 0;
    QList<Node*> m_selectedNodes;
    QPoint m_dragOrigin;
    bool m_moving = false;
    bool m_movePending = false;
    QList<QGraphicsItem*> m_hits;
    QList<QGraphicsItem*> m_gridHits;
    StateBase* m_owner;
    bool m_gridVisible = false;
    int m_gridSpacing = 2;
    // The point and grid point of the event being handled, in canvas coordinates.
    QPoint m_p;
    QPoint m_g;
    Qt::KeyboardModifiers m_modifiers;
};
