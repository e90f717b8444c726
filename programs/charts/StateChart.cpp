#include "StateChart.h"

#include "ChartNode.h"
#include "Net.h"
#include "NetLine.h"
#include "NetPoint.h"
#include "NodePixmap.h"
#include "ShellServices.h"
#include "Start.h"
#include "State.h"
#include "StateBlock.h"
#include "StateManager.h"
#include "StateView.h"
#include "Sync.h"
#include "UndoRecorder.h"
#include "WorkspaceFile.h"
#include "XmlAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <mutex>

namespace {

QList<StateChart*>& chartList()
{
    static QList<StateChart*> charts;
    return charts;
}

bool isElementNamed(xmlNode* node, const char* name)
{
    return node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, reinterpret_cast<const xmlChar*>(name));
}

// Each program once, in order of first appearance.
QList<State*> withoutRepeats(const QList<State*>& programs)
{
    QList<State*> result;
    for (State* program : programs) {
        if (!result.contains(program))
            result.append(program);
    }
    return result;
}

} // namespace

const QList<StateChart*>& stateCharts()
{
    return chartList();
}

void stopAllStateCharts()
{
    for (StateChart* chart : QList<StateChart*>(chartList()))
        chart->stop();
}

StateChart::StateChart(StateManager* manager, int id) : StateBase(StateBase_t::Chart, id), m_manager(manager)
{
    //: Unbenannt
    setFileName(tr("Unnamed") + QString::number(id), true);
    // Every element kind is registered before the first chart can load one.
    Start::nodeType();
    StateBlock::nodeType();
    Sync::nodeType();
    m_stepTimer = new QTimer(this);
    connect(m_stepTimer, &QTimer::timeout, this, &StateChart::stepTimerTimeout);
    chartList().append(this);
}

StateChart::~StateChart()
{
    m_destroying = true;
    chartList().removeOne(this);
    stop();
    // Events posted to the chart would reach a half-destroyed object; they are dropped.
    QCoreApplication::removePostedEvents(this);
    deleteAll();
    delete m_view;
}

void StateChart::viewAdded()
{
    setReady();
}

QWidget* StateChart::widget()
{
    return m_view;
}

StateView* StateChart::stateView()
{
    return editor() ? editor()->editorView() : nullptr;
}

void StateChart::setStepMode(bool on)
{
    StateBase::setStepMode(on);
    for (StateBlock* block : stateBlocks())
        block->setStepMode(on);
}

void StateChart::setSteps(unsigned n)
{
    m_steps.store(n);
    for (StateBlock* block : stateBlocks())
        block->setSteps(n);
}

bool StateChart::addNode(Node* node)
{
    if (!qobject_cast<ChartNode*>(node))
        return false;
    {
        std::unique_lock<std::mutex> locker(m_stepLock);
        if (m_nodeList.contains(node))
            return false;
        m_nodeList.append(node);
        if (node->id() == 0)
            node->setId(takeNextNodeId());
    }
    setModified();
    undoStack()->recordAddNode(node);
    return true;
}

void StateChart::deleteItem(QGraphicsItem* item)
{
    if (!item)
        return;
    setModified();
    if (Node* node = nodeOfItem(item)) {
        undoStack()->recordRemove(node->iconItem());
        delete node; // its destructor takes it out of the chart
    } else if (auto* line = dynamic_cast<NetLine*>(item)) {
        removeNetLine(line);
    } else if (auto* point = dynamic_cast<NetPoint*>(item)) {
        removeNetPoint(point);
    }
}

Node* StateChart::createNode(const NodeType& type)
{
    if (!type.hasFlags(NodeType::ChartElement))
        return nullptr;
    State* program = nullptr;
    if (type.maintype() == StateBlock::maintype) {
        if (stepMode() || isRunning() || !m_manager)
            return nullptr;
        // A program closed since its library entry was made gives no element.
        program = qobject_cast<State*>(m_manager->stateById(type.subtypeData(0)));
        if (!program)
            return nullptr;
        if (StateBlock* existing = stateBlockOf(program)) {
            selectExisting(existing);
            return nullptr;
        }
    }
    ChartNode* node = ChartNode::create(this, m_canvas, type, unsigned(m_nextNodeId));
    if (!node)
        return nullptr;
    if (auto* block = qobject_cast<StateBlock*>(node))
        block->setState(program);
    takeNextNodeId();
    if (datatips())
        node->showDatatips(true);
    return node;
}

void StateChart::selectExisting(StateBlock* block)
{
    if (StateView* view = stateView()) {
        view->clearSelection();
        view->setSelectedNode(block, false, true);
        view->ensureNodeVisible(block);
    }
}

QWidget* StateChart::createView(QWidget* parent)
{
    if (!m_view) {
        auto* view = new StateView(parent, this);
        view->setGridVisible(grid());
        view->setGridSpacing(gridSpace());
        m_view = view;
        setViewWidget(view);
        updateCaption();
    }
    return m_view;
}

Node* StateChart::loadItem(xmlNode* element)
{
    return element ? loadElement(element) : nullptr;
}

xmlDoc* StateChart::createDocument()
{
    xmlDoc* document = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
    xmlNode* model = xmlNewNode(nullptr, reinterpret_cast<const xmlChar*>("model"));
    xmlDocSetRootElement(document, model);
    writeAttribute(model, "type", QStringLiteral("statechart"));
    writeAttributes(model);
    const QString folder = QFileInfo(fileName()).absolutePath();
    for (StateBlock* block : stateBlocks())
        block->setBaseDir(folder);
    for (Node* node : std::as_const(m_nodeList))
        node->saveXml(model);
    for (Net* net : std::as_const(m_netList))
        net->save(model);
    return document;
}

bool StateChart::save()
{
    xmlDoc* document = createDocument();
    const bool written = WorkspaceFile::write(document, fileName());
    xmlFreeDoc(document);
    if (!written)
        return false; // the old file stays as it was and the chart stays modified
    clearModified();
    updateCaption();
    return true;
}

bool StateChart::isRunning() const
{
    for (StateBlock* block : stateBlocks()) {
        if (block->isActive())
            return true;
    }
    return false;
}

unsigned StateChart::takeNextNodeId()
{
    const int id = m_nextNodeId;
    // Damaged files can store the largest id; a later load renumbers anyway.
    if (m_nextNodeId < INT_MAX)
        ++m_nextNodeId;
    return unsigned(id);
}

bool StateChart::isTicking() const
{
    return m_stepTimer->isActive();
}

void StateChart::reset()
{
    setStepCount(0);
    for (Node* node : nodes())
        node->resetAll();
}

void StateChart::moveNode(Node* node, const QPoint& point)
{
    undoStack()->recordMoveNode(node, node->position());
    node->move(point);
}

Node* StateChart::nodeById(int id) const
{
    for (Node* node : m_nodeList) {
        if (id >= 0 && node->id() == unsigned(id))
            return node;
    }
    return nullptr;
}

QList<Node*> StateChart::nodes() const
{
    return m_nodeList;
}

void StateChart::removeNode(Node* node)
{
    if (m_destroying || !node)
        return;
    // Removing one line may take others of the same net with it.
    for (NetLine* line : node->attachedLines()) {
        if (node->attachedLines().contains(line))
            removeNetLine(line);
    }
    {
        std::unique_lock<std::mutex> locker(m_stepLock);
        m_nodeList.removeOne(node);
    }
    if (editor())
        editor()->deselectNode(node);
}

void StateChart::prepareStart()
{
    const std::lock_guard locker(m_transitionLock);
    for (Node* node : nodes())
        node->deactivate();
}

void StateChart::startProcessing()
{
    const std::lock_guard locker(m_transitionLock);
    for (Node* node : nodes()) {
        if (node->type()->maintype() == Start::maintype)
            node->activate();
    }
    m_stepTimer->start(tickInterval);
}

void StateChart::stopProcessing()
{
    {
        const std::lock_guard locker(m_transitionLock);
        for (Node* node : nodes())
            node->deactivate();
    }
    m_stepTimer->stop();
    postStopEvent();
}

void StateChart::deleteAll()
{
    for (Net* net : QList<Net*>(m_netList))
        removeNet(net);
    QList<Node*> elements;
    {
        std::unique_lock<std::mutex> locker(m_stepLock);
        elements.swap(m_nodeList);
    }
    qDeleteAll(elements);
}

void StateChart::updateDatatips()
{
    for (Node* node : nodes())
        node->updateDatatips();
}

void StateChart::showDatatips(bool on)
{
    for (Node* node : nodes())
        node->showDatatips(on);
}

void StateChart::stepTimerTimeout()
{
    // Between a program's end and the start it hands over to, no element is in control.
    // The run lock first, as a start and a stop take it before the transition lock.
    const std::lock_guard running(runLock());
    const std::lock_guard locker(m_transitionLock);
    if (!isRunning()) {
        if (m_pendingEndReports.load() == 0)
            stop();
        return;
    }
    if (!stepMode() || steps() > 0) {
        setStepCount(stepCount() + 1);
        ShellServices::current().updateProgramTab(this);
        m_canvas->update();
    }
    if (steps() > 0)
        takeStep();
}

QList<StateBlock*> StateChart::stateBlocks() const
{
    QList<StateBlock*> blocks;
    for (Node* node : m_nodeList) {
        if (auto* block = qobject_cast<StateBlock*>(node))
            blocks.append(block);
    }
    return blocks;
}

StateBlock* StateChart::stateBlockOf(const State* program) const
{
    for (StateBlock* block : stateBlocks()) {
        if (block->state() == program)
            return block;
    }
    return nullptr;
}

int StateChart::stateBlockCount() const
{
    return int(stateBlocks().size());
}

QList<State*> StateChart::referencedStates() const
{
    QList<State*> programs;
    for (StateBlock* block : stateBlocks())
        programs.append(block->state());
    return programs;
}

QList<State*> StateChart::statesToSave() const
{
    QList<State*> programs;
    for (State* program : referencedStates()) {
        if (program && (program->isModified() || !program->hasFileName()))
            programs.append(program);
    }
    return withoutRepeats(programs);
}

QList<State*> StateChart::untitledStates() const
{
    QList<State*> programs;
    for (State* program : referencedStates()) {
        if (program && !program->hasFileName())
            programs.append(program);
    }
    return withoutRepeats(programs);
}

bool StateChart::load(xmlNode* root)
{
    readAttributes(root);
    // Relative program paths are resolved against the chart's folder, as they always were.
    QDir::setCurrent(QFileInfo(fileName()).absolutePath());
    if (!loadElements(root))
        return false;
    if (!loadNets(root)) {
        deleteAll();
        return false;
    }
    clearModified();
    setHasFileName(true);
    updateCaption();
    setDatatips(datatips());
    renumberIds();
    reset();
    return true;
}

bool StateChart::loadElements(xmlNode* root)
{
    for (xmlNode* child = root->children; child; child = child->next) {
        if (!isElementNamed(child, "node") && !isElementNamed(child, "stateblock"))
            continue;
        ChartNode* element = loadElement(child);
        if (!element)
            return false;
        // Ids are renumbered after the load; until then the next one stays above them.
        const long long following = static_cast<long long>(element->id()) + 1;
        if (following > m_nextNodeId)
            m_nextNodeId = int(std::min<long long>(following, INT_MAX));
        element->show();
        addNode(element);
    }
    return true;
}

ChartNode* StateChart::loadElement(xmlNode* child)
{
    ChartNode* element = nullptr;
    if (isElementNamed(child, "node"))
        element = ChartNode::load(m_canvas, child, this);
    else if (isElementNamed(child, "stateblock"))
        element = StateBlock::load(m_canvas, child, this);
    // A program element read as a "node" (or the other way round) is refused.
    const bool programElement = element && element->type()->maintype() == StateBlock::maintype;
    if (element && programElement != isElementNamed(child, "stateblock")) {
        delete element;
        return nullptr;
    }
    return element;
}

bool StateChart::loadNets(xmlNode* root)
{
    for (xmlNode* child = root->children; child; child = child->next) {
        if (!isElementNamed(child, "net"))
            continue;
        Net* net = Net::load(m_canvas, this, child, nullptr);
        if (!net)
            return false;
        addNet(net);
        net->show();
    }
    return true;
}
