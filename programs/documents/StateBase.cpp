#include "StateBase.h"

#include "DocumentClipboard.h"
#include "DocumentEditor.h"
#include "Net.h"
#include "NetLine.h"
#include "NetPoint.h"
#include "Node.h"
#include "NodePixmap.h"
#include "NodeRect.h"
#include "NodeText.h"
#include "ShellServices.h"
#include "ShowDatatipsEvent.h"
#include "StateBaseCaptionChangedEvent.h"
#include "StateBaseStopEvent.h"
#include "ThreadHandOver.h"
#include "UndoRecorder.h"
#include "XmlAccess.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QPen>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <mutex>

const QColor programBackground = QColor(Qt::white);
const QColor chartBackground = QColor(194, 233, 234);
const QColor programGridColour = QColor(210, 210, 210);
const QColor chartGridColour = QColor(183, 183, 183);

namespace {

// Larger canvases only come from damaged files.
constexpr int maxCanvasSide = 100000;

} // namespace

StateBase::StateBase(StateBase_t::statebase_t kind, int id) : m_kind(kind), m_id(id)
{
    const QSize size = ShellServices::current().defaultCanvasSize();
    m_canvas =
        new QGraphicsScene(0, 0, qBound(0, size.width(), maxCanvasSide), qBound(0, size.height(), maxCanvasSide));
    createBorderLines();
    m_canvas->update();
    m_datatipTimer = new QTimer(this);
    connect(m_datatipTimer, &QTimer::timeout, this, &StateBase::datatipTimer_timeout);
    connect(m_canvas, &QGraphicsScene::sceneRectChanged, this, &StateBase::canvasResized_Slot);
    m_undoStack = UndoRecorder::create(this);
}

StateBase::~StateBase()
{
    m_destroying = true;
    // Nets still listed go before the canvas, which would delete their items under them.
    const QList<Net*> nets = m_netList;
    m_netList.clear();
    qDeleteAll(nets);
    delete m_undoStack;
    m_undoStack = nullptr;
    delete m_datatipTimer;
    m_datatipTimer = nullptr;
    delete m_canvas;
}

void StateBase::createBorderLines()
{
    const QColor colour = m_kind == StateBase_t::Chart ? chartBackground : programBackground;
    for (auto& line : m_borderLines) {
        line = new QGraphicsLineItem();
        line->setPen(QPen(colour, 1, Qt::SolidLine));
        line->setZValue(100);
        m_canvas->addItem(line);
    }
    updateBorderLines();
}

void StateBase::setStepMode(bool on)
{
    m_stepMode.store(on);
}

void StateBase::canvasResized()
{
}

std::mutex& StateBase::stepLockOf(const Node*)
{
    return m_stepLock;
}

Node* StateBase::nodeOfItem(QGraphicsItem* item)
{
    if (auto* icon = dynamic_cast<NodePixmap*>(item))
        return icon->node();
    if (auto* frame = dynamic_cast<NodeRect*>(item))
        return frame->node();
    if (auto* caption = dynamic_cast<NodeText*>(item))
        return caption->node();
    return nullptr;
}

void StateBase::renumberIds()
{
    unsigned nextId = 1;
    for (Node* node : nodes())
        node->setId(nextId++);
    m_nextNodeId = int(nextId);
    unsigned nextNet = 1;
    for (Net* net : std::as_const(m_netList)) {
        net->setId(nextNet++);
        net->renumberPoints();
    }
    m_nextNetId = int(nextNet);
}

Node* StateBase::loadItem(xmlNode*)
{
    return nullptr;
}

void StateBase::setSettingsPanes(QWidget* dialogArea, DialogView* dialogs, ConstView* constants)
{
    m_dialogArea = dialogArea;
    m_dialogView = dialogs;
    m_constView = constants;
}

// ---- run control ----

void StateBase::start(StateChart* chart)
{
    const std::lock_guard running(m_runLock);
    m_aborted.store(false);
    prepareStart();
    m_startedBy.store(chart);
    m_steps.store(0);
    reset();
    startProcessing();
    if (m_datatips)
        postHandOver(this, new ShowDatatipsEvent());
}

void StateBase::stop()
{
    stop(StopClaim(m_runLock));
}

void StateBase::stop(StopClaim claim)
{
    Q_ASSERT(claim.owns_lock());
    m_aborted.store(true);
    m_stepMode.store(false);
    m_steps.store(0);
    // A program reports its end to the chart that started it, which may start it again
    // at once: the starter is taken before the report can set a new one.
    StateChart* starter = m_kind == StateBase_t::Program ? takeStarter() : nullptr;
    if (starter)
        announceEndTo(starter);
    stopProcessing();
    // Timers and the canvas belong to the GUI thread. A stop on the engine's thread
    // leaves them to the datatips timer, whose next tick finds the program stopped:
    // nothing is handed across threads.
    if (QThread::currentThread() == thread())
        finishStopInGuiThread();
    if (!starter) {
        m_startedBy.store(nullptr);
        return;
    }
    // The chart's lock is taken only after this program's run lock is released: a chart
    // that stops takes its own lock first and then the run locks of its programs.
    claim.unlock();
    reportEndTo(starter);
}

void StateBase::announceEndTo(StateChart*)
{
}

void StateBase::reportEndTo(StateChart*)
{
}

void StateBase::finishStopInGuiThread()
{
    if (!m_datatipTimer || !m_datatipTimer->isActive())
        return;
    m_datatipTimer->stop();
    updateDatatips();
    m_canvas->update();
}

void StateBase::postStopEvent()
{
    postToMainWindow(new StateBaseStopEvent(m_id));
}

void StateBase::postToMainWindow(QEvent* event)
{
    if (QObject* receiver = ShellServices::current().mainWindow())
        postHandOver(receiver, event);
    else
        delete event;
}

// ---- document state ----

void StateBase::setFileName(const QString& name, bool untitled)
{
    m_fileName = name;
    m_hasFileName = !untitled;
}

void StateBase::setModified()
{
    if (m_modified || !m_ready)
        return;
    m_modified = true;
    updateCaption();
}

QString StateBase::displayName() const
{
    QString name = QFileInfo(m_fileName).fileName();
    const QFileInfo info(name);
    const QString extension = info.suffix();
    if (extension.isEmpty() || !name.contains(QLatin1Char('.')))
        return name;
    return name.remove(QLatin1Char('.') + extension);
}

void StateBase::updateCaption()
{
    if (!m_viewWidget)
        return;
    m_viewWidget->setWindowTitle(displayName() + (m_modified ? QStringLiteral("*") : QString()));
    postToMainWindow(new StateBaseCaptionChangedEvent(m_id));
}

QString StateBase::caption() const
{
    return m_viewWidget ? m_viewWidget->windowTitle() : QString();
}

QGraphicsLineItem* StateBase::borderLine(int n) const
{
    return (n >= 0 && n < 4) ? m_borderLines[n] : nullptr;
}

void StateBase::updateBorderLines()
{
    const qreal w = m_canvas->width();
    const qreal h = m_canvas->height();
    m_borderLines[LeftBorder]->setLine(0, 0, 0, h);
    m_borderLines[RightBorder]->setLine(w, 0, w, h);
    m_borderLines[TopBorder]->setLine(0, 0, w, 0);
    m_borderLines[BottomBorder]->setLine(0, h, w, h);
}

QSize StateBase::itemsExtent() const
{
    int right = -1;
    int bottom = -1;
    bool any = false;
    const QList<QGraphicsItem*> items = m_canvas->items();
    for (const QGraphicsItem* item : items) {
        if (std::find(std::begin(m_borderLines), std::end(m_borderLines), item) != std::end(m_borderLines))
            continue;
        const QRect bounds = item->sceneBoundingRect().toAlignedRect();
        right = any ? std::max(right, bounds.right()) : bounds.right();
        bottom = any ? std::max(bottom, bounds.bottom()) : bounds.bottom();
        any = true;
    }
    if (!any)
        return QSize(-1, -1);
    return QSize(right + 12, bottom + 12);
}

void StateBase::setCanvasSize(int width, int height)
{
    width = qBound(0, width, maxCanvasSide);
    height = qBound(0, height, maxCanvasSide);
    if (m_canvas->width() == width && m_canvas->height() == height)
        return;
    m_modified = true;
    const QSize extent = itemsExtent();
    m_canvas->setSceneRect(0, 0, std::max(width, extent.width()), std::max(height, extent.height()));
    updateBorderLines();
    m_canvas->update();
}

void StateBase::writeAttributes(xmlNode* root) const
{
    writeAttribute(root, "datatips", QString::number(m_datatips ? 1 : 0));
    if (m_viewWidget) {
        writeAttribute(root, "gridspace", QString::number(m_gridSpace));
        writeAttribute(root, "grid", QString::number(m_grid ? 1 : 0));
    }
    writeAttribute(root, "sizex", QString::number(static_cast<int>(m_canvas->width())));
    writeAttribute(root, "sizey", QString::number(static_cast<int>(m_canvas->height())));
    addTextElement(root, "info", m_info);
}

void StateBase::readAttributes(xmlNode* root)
{
    m_datatips = unsignedAttribute(root, "datatips") != 0;
    m_grid = unsignedAttribute(root, "grid") != 0;
    m_gridSpace = static_cast<int>(std::min(unsignedAttribute(root, "gridspace"), 1000u));
    unsigned width = unsignedAttribute(root, "sizex");
    unsigned height = unsignedAttribute(root, "sizey");
    width = width == 0 ? 1000 : std::min(width, unsigned(maxCanvasSide));
    height = height == 0 ? 1000 : std::min(height, unsigned(maxCanvasSide));
    setCanvasSize(static_cast<int>(width), static_cast<int>(height));
    m_modified = false;
    for (xmlNode* child = root->children; child; child = child->next) {
        if (child->type != XML_ELEMENT_NODE || xmlStrcmp(child->name, reinterpret_cast<const xmlChar*>("info")) != 0)
            continue;
        if (child->children && child->children->type == XML_TEXT_NODE) {
            xmlChar* text = xmlNodeGetContent(child->children);
            m_info = QString::fromUtf8(reinterpret_cast<const char*>(text));
            xmlFree(text);
        }
        break;
    }
}

bool StateBase::loadOnFullCanvas(const std::function<bool()>& loadItems)
{
    const QSize stored(static_cast<int>(m_canvas->width()), static_cast<int>(m_canvas->height()));
    setCanvasSize(maxCanvasSide, maxCanvasSide);
    const bool loaded = loadItems();
    setCanvasSize(stored.width(), stored.height());
    return loaded;
}

// ---- datatips ----

void StateBase::setDatatips(bool on)
{
    m_datatips = on;
    showDatatips(on);
    if (on) {
        if (isRunning())
            startDatatipTimerIfRunning();
        else
            updateDatatips();
    } else if (isRunning() && m_datatipTimer->isActive()) {
        m_datatipTimer->stop();
    }
    m_canvas->update();
}

bool StateBase::isDatatipTimerActive() const
{
    return m_datatipTimer && m_datatipTimer->isActive();
}

void StateBase::startDatatipTimerIfRunning()
{
    if (isRunning() && !m_datatipTimer->isActive())
        m_datatipTimer->start(datatipInterval);
}

void StateBase::customEvent(QEvent* event)
{
    receiveHandOver(event);
    if (event->type() == ShowDatatipsEvent::eventType)
        startDatatipTimerIfRunning();
}

void StateBase::datatipTimer_timeout()
{
    updateDatatips();
    m_canvas->update();
    if (!isRunning())
        m_datatipTimer->stop(); // the engine stopped the program: that was the last refresh
}

void StateBase::canvasResized_Slot()
{
    canvasResized();
}

// ---- editing ----

bool StateBase::addNet(Net* net)
{
    const std::lock_guard locker(m_listLock);
    if (m_netList.contains(net))
        return false;
    if (net->id() == 0)
        net->setId(static_cast<unsigned>(m_nextNetId++));
    m_netList.append(net);
    m_undoStack->recordAddNet(net);
    return true;
}

void StateBase::removeNet(Net* net)
{
    const std::lock_guard locker(m_listLock);
    if (m_netList.contains(net)) {
        m_undoStack->recordNetModified(net);
        m_netList.removeOne(net);
    }
    delete net;
}

static bool isComplete(const Net* net)
{
    return net->sourceCount() > 0 && net->targetCount() > 0;
}

void StateBase::keepSplitOffNet(Net* net)
{
    if (isComplete(net))
        addNet(net);
    else
        delete net;
}

void StateBase::removeNetLine(NetLine* line)
{
    if (!line || !line->net())
        return;
    const std::lock_guard locker(m_listLock);
    Net* net = line->net();
    m_undoStack->recordNetModified(net);
    Net* part = net->deleteLine(line);
    if (!isComplete(net))
        removeNet(net);
    if (part)
        keepSplitOffNet(part);
}

bool StateBase::removeNetPoint(NetPoint* point)
{
    if (!point || !point->net())
        return false;
    Net* net = point->net();
    m_undoStack->recordNetModified(net);
    const std::lock_guard locker(m_listLock);
    const bool dissolved = point->dissolve();
    if (dissolved)
        delete point;
    // Removing a junction can leave branches that no longer meet; each becomes a net
    // of its own and stays only when it still joins an output to an input.
    while (Net* part = net->splitOffPart())
        keepSplitOffNet(part);
    if (!isComplete(net))
        removeNet(net);
    return dissolved;
}

NetPoint* StateBase::insertNetPoint(NetLine* line, const QPoint& point)
{
    if (!line || !line->net())
        return nullptr;
    m_undoStack->recordNetModified(line->net());
    // The line's end dock drops and retakes the line; a running read pass must not see that.
    const std::lock_guard locker(m_listLock);
    return line->split(point);
}

void StateBase::mergeNet(Net* other, NetPoint* point)
{
    if (!other || !point || !point->net() || other == point->net())
        return;
    m_undoStack->recordNetModified(point->net());
    const std::lock_guard locker(m_listLock);
    point->net()->merge(other, point);
    removeNet(other);
}

Net* StateBase::netById(int id) const
{
    for (Net* net : m_netList) {
        if (id >= 0 && net->id() == static_cast<unsigned>(id))
            return net;
    }
    return nullptr;
}

bool StateBase::removeNetById(int id)
{
    Net* net = netById(id);
    if (!net)
        return false;
    removeNet(net);
    return true;
}

bool StateBase::deleteNodeById(int id)
{
    Node* node = nodeById(id);
    if (!node)
        return false;
    deleteItem(node->iconItem());
    return true;
}

bool StateBase::moveNodeById(int id, const QPoint& point)
{
    Node* node = nodeById(id);
    if (!node)
        return false;
    moveNode(node, point);
    return true;
}

bool StateBase::moveNetPoint(int netId, int pointNumber, const QPoint& point)
{
    Net* net = netById(netId);
    NetPoint* netPoint = net ? net->pointByNumber(pointNumber) : nullptr;
    if (!netPoint)
        return false;
    m_undoStack->recordMoveNetPoint(netPoint, netPoint->position());
    netPoint->moveTo(point);
    return true;
}

void StateBase::moveNodes(const QList<Node*>& nodes, const QPoint& offset)
{
    for (Node* node : nodes)
        moveNode(node, node->position() + offset);
}

void StateBase::moveNetPoints(const QList<NetPoint*>& points, const QPoint& offset)
{
    for (NetPoint* point : points) {
        const QPoint old = point->position();
        m_undoStack->recordMoveNetPoint(point, old);
        point->moveTo(old + offset);
    }
}

void StateBase::moveNets(const QList<Net*>& nets, const QPoint& offset)
{
    QList<NetPoint*> points;
    for (Net* net : nets)
        points += net->points();
    moveNetPoints(points, offset);
}

void StateBase::netPointRemoved(NetPoint* point)
{
    if (!m_destroying && m_editor)
        m_editor->deselectNetPoint(point);
}

void StateBase::netLineRemoved(NetLine* line)
{
    if (!m_destroying && m_editor)
        m_editor->deselectNetLine(line);
}

// ---- undo and clipboard ----

bool StateBase::isUndoEmpty() const
{
    return m_undoStack->isUndoEmpty();
}

bool StateBase::isRedoEmpty() const
{
    return m_undoStack->isRedoEmpty();
}

void StateBase::undo()
{
    // A net half drawn is not part of the document the history describes.
    if (m_editor)
        m_editor->cancelNet();
    m_undoStack->undo();
    m_canvas->update();
}

void StateBase::redo()
{
    if (m_editor)
        m_editor->cancelNet();
    m_undoStack->redo();
    m_canvas->update();
}

void StateBase::beginUndoGroup()
{
    m_undoStack->beginGroup();
}

void StateBase::endUndoGroup()
{
    m_undoStack->endGroup();
}

void StateBase::beginNetChange(Net* net)
{
    m_undoStack->beginNetModification(net);
}

void StateBase::commitNetChange()
{
    m_undoStack->commitNetModification();
}

bool StateBase::nothingToPaste()
{
    return DocumentClipboard::instance().isEmptyFor(this);
}

void StateBase::copy()
{
    DocumentClipboard::instance().copy(this);
}

void StateBase::cut()
{
    DocumentClipboard::instance().copy(this);
    if (m_editor)
        m_editor->deleteSelection();
}

void StateBase::paste()
{
    beginUndoGroup();
    DocumentClipboard::instance().paste(this);
    endUndoGroup();
}

void StateBase::selectAll()
{
    if (m_editor)
        m_editor->selectItems(nodes(), m_netList);
}
