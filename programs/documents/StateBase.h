#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

#include <libxml/tree.h>

#include <atomic>
#include <functional>
#include <mutex>

class Net;
class NetLine;
class NetPoint;
class Node;
class NodeType;
class QEvent;
class QGraphicsItem;
class QGraphicsLineItem;
class QGraphicsScene;
class QTimer;
class QWidget;
class ConstView;
class DialogView;
class DocumentEditor;
class StateChart;
class StateView;
class UndoRecorder;

struct StateBase_t
{
    enum statebase_t { Program = 0, Chart = 1 };
};

// Canvas colours of the two document kinds.
extern const QColor programBackground;
extern const QColor chartBackground;
// Grid lines drawn over those backgrounds.
extern const QColor programGridColour;
extern const QColor chartGridColour;

// Common base of function-block programs and sequence charts: id and file name,
// modified state and caption, the canvas with its border lines, the nets, the locks
// and run flags the engine uses, and the datatips.
class StateBase : public QObject
{
    Q_OBJECT

public:
    enum BorderLine { LeftBorder = 0, RightBorder = 1, TopBorder = 2, BottomBorder = 3 };
    static constexpr int datatipInterval = 75;

    StateBase(StateBase_t::statebase_t kind, int id);
    ~StateBase() override;

    // Implemented by each kind of document.
    virtual void viewAdded() = 0;
    virtual QWidget* widget() = 0;
    virtual StateView* stateView() = 0;
    virtual void setStepMode(bool on);
    virtual void setSteps(unsigned n) = 0;
    virtual bool addNode(Node* node) = 0;
    virtual void deleteItem(QGraphicsItem* item) = 0;
    virtual Node* createNode(const NodeType& type) = 0;
    virtual QWidget* createView(QWidget* parent) = 0;
    virtual bool save() = 0;
    virtual bool isRunning() const = 0;
    virtual void reset() = 0;
    virtual void moveNode(Node* node, const QPoint& point) = 0;
    virtual Node* nodeById(int id) const = 0;
    virtual QList<Node*> nodes() const = 0;
    virtual void removeNode(Node* node) = 0;
    virtual void prepareStart() = 0;
    virtual void startProcessing() = 0;
    virtual void stopProcessing() = 0;
    // Around a stop that ends a run a chart started: announced before the stop, reported
    // after it, outside the run lock.
    virtual void announceEndTo(StateChart* starter);
    virtual void reportEndTo(StateChart* starter);
    virtual void deleteAll() = 0;
    virtual void updateDatatips() = 0;
    virtual void showDatatips(bool on) = 0;
    virtual void canvasResized();
    // Builds a block or chart element from its workspace element, not yet inserted;
    // null when this kind of document has no such element (undo and paste use it).
    virtual Node* loadItem(xmlNode* element);
    // The lock that a running step of this node holds (the image-step lock for image
    // blocks); taken while the node's slots are added or removed.
    virtual std::mutex& stepLockOf(const Node* node);

    // Run control. A start and a stop of one program never overlap: a second stop waits
    // for the first and then finds nothing left to stop, and deleting a program (which
    // stops it) waits for a stop another thread has in flight.
    using StopClaim = std::unique_lock<std::recursive_mutex>;
    void start(StateChart* chart);
    void stop();
    // Engine side: claims the stop without waiting; the claim owns nothing while another
    // thread is starting or stopping the program. stop(claim) then performs it.
    StopClaim tryClaimStop() { return StopClaim(m_runLock, std::try_to_lock); }
    // Held by a start and a stop. Locks of a chart's own are taken after it, never before.
    std::recursive_mutex& runLock() { return m_runLock; }
    void stop(StopClaim claim);
    void postStopEvent();
    bool stepMode() const { return m_stepMode.load(); }
    int stepCount() const { return m_stepCount.load(); }
    int exitCode() const { return m_exitCode.load(); }
    bool isAborted() const { return m_aborted.load(); }
    unsigned steps() const { return m_steps.load(); }
    StateChart* startedBy() const { return m_startedBy.load(); }
    // A chart that no longer refers to the document stops counting as its starter.
    void forgetStarter(StateChart* chart) { m_startedBy.compare_exchange_strong(chart, nullptr); }
    int id() const { return m_id; }
    StateBase_t::statebase_t kind() const { return m_kind; }
    std::mutex& stepLock() { return m_stepLock; }
    std::recursive_mutex& listLock() { return m_listLock; }

    // Document state
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& name, bool untitled);
    bool hasFileName() const { return m_hasFileName; }
    bool isModified() const { return m_modified; }
    void setModified();
    bool isReady() const { return m_ready; }
    bool isDestroying() const { return m_destroying; }
    QString displayName() const;
    void updateCaption();
    QString caption() const;
    QString info() const { return m_info; }
    void setInfo(const QString& info) { m_info = info; }
    QGraphicsScene* canvas() const { return m_canvas; }
    DialogView* dialogView() const { return m_dialogView; }
    ConstView* constView() const { return m_constView; }
    // The program window's dialog area as a widget (null without a window).
    QWidget* dialogArea() const { return m_dialogArea; }
    void setSettingsPanes(QWidget* dialogArea, DialogView* dialogs, ConstView* constants);
    // The editor view registers itself while it exists.
    DocumentEditor* editor() const { return m_editor; }
    void setEditor(DocumentEditor* editor) { m_editor = editor; }
    QGraphicsLineItem* borderLine(int n) const;
    void updateBorderLines();
    QSize itemsExtent() const;
    void setCanvasSize(int width, int height);
    bool grid() const { return m_grid; }
    void setGrid(bool on) { m_grid = on; }
    int gridSpace() const { return m_gridSpace; }
    void setGridSpace(int space) { m_gridSpace = space; }
    void writeAttributes(xmlNode* root) const;
    void readAttributes(xmlNode* root);
    // Runs the loading of the items on the largest canvas, so that a stored canvas smaller
    // than its items moves none of them; then sets the size read, grown to hold them all.
    bool loadOnFullCanvas(const std::function<bool()>& loadItems);

    // Datatips
    bool datatips() const { return m_datatips; }
    void setDatatips(bool on);
    bool isDatatipTimerActive() const;

    // Editing
    const QList<Net*>& nets() const { return m_netList; }
    bool addNet(Net* net);
    void removeNet(Net* net);
    void removeNetLine(NetLine* line);
    bool removeNetPoint(NetPoint* point);
    NetPoint* insertNetPoint(NetLine* line, const QPoint& point);
    void mergeNet(Net* other, NetPoint* point);
    Net* netById(int id) const;
    bool removeNetById(int id);
    bool deleteNodeById(int id);
    bool moveNodeById(int id, const QPoint& point);
    bool moveNetPoint(int netId, int pointNumber, const QPoint& point);
    void moveNodes(const QList<Node*>& nodes, const QPoint& offset);
    void moveNetPoints(const QList<NetPoint*>& points, const QPoint& offset);
    void moveNets(const QList<Net*>& nets, const QPoint& offset);
    void netPointRemoved(NetPoint* point);
    void netLineRemoved(NetLine* line);

    // Undo and clipboard
    UndoRecorder* undoStack() const { return m_undoStack; }
    bool isUndoEmpty() const;
    bool isRedoEmpty() const;
    void undo();
    void redo();
    void beginUndoGroup();
    void endUndoGroup();
    void beginNetChange(Net* net);
    void commitNetChange();
    bool nothingToPaste();

public Q_SLOTS:
    void cut();
    void copy();
    void paste();
    void selectAll();

protected:
    // After a load: blocks or elements 1, 2, 3 … in list order, nets likewise with their points.
    void renumberIds();
    // The block or chart element that a canvas item belongs to, or null.
    static Node* nodeOfItem(QGraphicsItem* item);
    void customEvent(QEvent* event) override;
    void setViewWidget(QWidget* widget) { m_viewWidget = widget; }
    QWidget* viewWidget() const { return m_viewWidget; }
    void postToMainWindow(QEvent* event);
    void setReady() { m_ready = true; }
    void clearModified() { m_modified = false; }
    void setHasFileName(bool on) { m_hasFileName = on; }
    void setExitCode(int code) { m_exitCode.store(code); }
    void setStepCount(int count) { m_stepCount.store(count); }
    void takeStep() { m_steps.fetch_sub(1); }
    // Clears who started the document and returns it; a stop takes it before it reports
    // the end, so a start made while reporting keeps its own starter.
    StateChart* takeStarter() { return m_startedBy.exchange(nullptr); }

    StateBase_t::statebase_t m_kind;
    int m_id;
    bool m_destroying = false;
    bool m_ready = false;
    bool m_modified = false;
    bool m_hasFileName = false;
    QString m_fileName;
    int m_nextNodeId = 1;
    int m_nextNetId = 1;
    QPointer<QWidget> m_viewWidget;
    QGraphicsScene* m_canvas;
    // Blocks of the document (a program's cycle block list).
    QList<Node*> m_nodeList;
    QList<Net*> m_netList;
    std::mutex m_stepLock;
    std::recursive_mutex m_listLock;
    bool m_datatips = false;
    bool m_grid = false;
    int m_gridSpace = 2;
    std::atomic<int> m_stepCount {0};
    std::atomic<bool> m_aborted {false};
    std::atomic<bool> m_stepMode {false};
    std::atomic<unsigned> m_steps {0};
    std::atomic<int> m_exitCode {0};
    std::atomic<StateChart*> m_startedBy {nullptr};
    // Serialises start and stop; recursive, as a block's stop may stop its own program.
    std::recursive_mutex m_runLock;

private Q_SLOTS:
    void datatipTimer_timeout();
    void canvasResized_Slot();

private:
    void createBorderLines();
    void finishStopInGuiThread();
    void startDatatipTimerIfRunning();
    void keepSplitOffNet(Net* net);

    QGraphicsLineItem* m_borderLines[4] = {nullptr, nullptr, nullptr, nullptr};
    QTimer* m_datatipTimer;
    QString m_info;
    UndoRecorder* m_undoStack;
    DocumentEditor* m_editor = nullptr;
    QWidget* m_dialogArea = nullptr;
    DialogView* m_dialogView = nullptr;
    ConstView* m_constView = nullptr;
};
