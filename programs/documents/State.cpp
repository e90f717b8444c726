#include "State.h"

#include "DocumentEditor.h"
#include "Net.h"
#include "NetLine.h"
#include "NetPoint.h"
#include "Node.h"
#include "NodePixmap.h"
#include "Slot.h"
#include "StateBlock.h"
#include "StateChart.h"
#include "StateNode.h"
#include "StateProcessor.h"
#include "UndoRecorder.h"
#include "WorkspaceFile.h"
#include "XmlAccess.h"

#include <QGraphicsScene>
#include <QSet>
#include <QSplitter>
#include <QWidget>

#include <climits>
#include <mutex>
#include <utility>

namespace {

bool isElementNamed(xmlNode* node, const char* name)
{
    return node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, reinterpret_cast<const xmlChar*>(name));
}

// Takes one granted cycle; false when none is left.
bool takeGranted(std::atomic<unsigned>& granted)
{
    unsigned left = granted.load();
    while (left > 0) {
        if (granted.compare_exchange_weak(left, left - 1))
            return true;
    }
    return false;
}

} // namespace

State::State(int id) : StateBase(StateBase_t::Program, id)
{
    setFileName(tr("Unnamed") + QString::number(id), true);
}

State::~State()
{
    m_destroying = true;
    stop();
    // A net the user is drawing belongs to nobody yet.
    if (editor())
        editor()->cancelNet();
    // Chart elements that still run this program must not reach it any more.
    for (StateBlock* block : referringBlocks())
        block->forgetState();
    deleteAll();
    delete m_view;
}

void State::viewAdded()
{
    for (Node* node : nodes()) {
        if (auto* block = dynamic_cast<StateNode*>(node))
            block->showDialog(dialogArea(), true);
    }
    setReady();
}

QWidget* State::widget()
{
    return m_view;
}

StateView* State::stateView()
{
    return editor() ? editor()->editorView() : nullptr;
}

void State::setSteps(unsigned n)
{
    m_steps.store(n);
    m_imageSteps.store(n);
}

QList<Node*>* State::listFor(const Node* node)
{
    const NodeType* type = node->type();
    if (type->hasFlags(NodeType::EngineCycle))
        return &m_nodeList;
    if (type->hasFlags(NodeType::ImageCycle))
        return &m_imageList;
    return nullptr;
}

bool State::isListed(const Node* node) const
{
    return m_nodeList.contains(node) || m_imageList.contains(node);
}

std::mutex& State::stepLockOf(const Node* node)
{
    const NodeType* type = node->type();
    if (!type->hasFlags(NodeType::EngineCycle) && type->hasFlags(NodeType::ImageCycle))
        return m_imageStepLock;
    return m_stepLock;
}

bool State::addNode(Node* node)
{
    if (!node || isListed(node))
        return false;
    QList<Node*>* list = listFor(node);
    if (!list)
        return false;
    setModified();
    const std::lock_guard locker(stepLockOf(node));
    insertSorted(node, *list);
    if (node->id() == 0)
        node->setId(unsigned(m_nextNodeId++));
    undoStack()->recordAddNode(node);
    // A block added to a running program starts at once and takes part from the next
    // cycle; the lock keeps its start out of a running step.
    if (isRunning())
        node->activate();
    return true;
}

void State::deleteItem(QGraphicsItem* item)
{
    if (!item)
        return;
    setModified();
    if (Node* node = nodeOfItem(item)) {
        undoStack()->recordRemove(node->iconItem());
        deleteNode(node);
    } else if (auto* line = dynamic_cast<NetLine*>(item)) {
        removeNetLine(line);
    } else if (auto* point = dynamic_cast<NetPoint*>(item)) {
        removeNetPoint(point);
    }
}

void State::deleteNode(Node* node)
{
    removeNode(node);
    delete node;
}

Node* State::createNode(const NodeType& type)
{
    if (!type.hasFlags(NodeType::FunctionBlock))
        return nullptr;
    StateNode* block = StateNode::create(this, m_canvas, type, unsigned(m_nextNodeId));
    if (!block)
        return nullptr;
    ++m_nextNodeId;
    if (datatips())
        block->showDatatips(true);
    return block;
}

QWidget* State::createView(QWidget* parent)
{
    if (!m_view) {
        m_view = DocumentEditor::createProgramWindow(parent, this);
        setViewWidget(m_view);
        if (editor()) {
            editor()->setGridVisible(grid());
            editor()->setGridSpacing(gridSpace());
        }
        updateCaption();
    }
    return m_view;
}

bool State::isRunning() const
{
    return m_listedBy.load() != nullptr;
}

void State::reset()
{
    if (isRunning())
        return;
    setStepCount(0);
    setExitCode(0);
    for (Node* node : std::as_const(m_nodeList))
        node->resetAll();
    for (Node* node : std::as_const(m_imageList))
        node->resetAll();
}

void State::moveNode(Node* node, const QPoint& point)
{
    undoStack()->recordMoveNode(node, node->position());
    node->move(point);
    QList<Node*>* list = listFor(node);
    if (!list)
        return;
    const std::lock_guard locker(stepLockOf(node));
    if (list->removeOne(node))
        insertSorted(node, *list);
}

Node* State::nodeById(int id) const
{
    for (Node* node : m_nodeList) {
        if (int(node->id()) == id)
            return node;
    }
    for (Node* node : m_imageList) {
        if (int(node->id()) == id)
            return node;
    }
    return nullptr;
}

QList<Node*> State::nodes() const
{
    return m_nodeList + m_imageList;
}

void State::removeNode(Node* node)
{
    if (m_destroying || !node || !isListed(node))
        return;
    if (editor())
        editor()->deselectNode(node);
    // Removing one line may take others of the same net with it: remove only lines
    // that are still attached.
    for (NetLine* line : node->attachedLines()) {
        if (node->attachedLines().contains(line))
            removeNetLine(line);
    }
    QList<Node*>* list = listFor(node);
    const std::lock_guard locker(stepLockOf(node));
    if (list->removeOne(node))
        renumber(*list);
}

Node* State::loadItem(xmlNode* element)
{
    if (!element || !isElementNamed(element, "node"))
        return nullptr;
    return StateNode::load(m_canvas, element, this);
}

void State::prepareStart()
{
}

void State::startProcessing()
{
    if (!isRunning())
        forEachListedBlock([](Node* node) { node->activate(); });
    m_imageSteps.store(0);
    StateProcessor::current().addState(this);
}

void State::stopProcessing()
{
    if (StateProcessor* engine = m_listedBy.load()) {
        engine->removeState(this);
        forEachListedBlock([](Node* node) { node->deactivate(); });
    }
}

void State::announceEndTo(StateChart* starter)
{
    starter->endReportPending(+1);
}

void State::reportEndTo(StateChart* starter)
{
    // The chart's elements leave the referrers only under this lock. Elements of other charts
    // may go at any moment: they are only looked at under the referrers' own lock.
    const std::lock_guard locker(starter->transitionLock());
    QList<StateBlock*> startersBlocks;
    {
        const std::lock_guard referrersLocker(m_referrersLock);
        for (StateBlock* block : m_referrers) {
            if (block->chart() == starter)
                startersBlocks.append(block);
        }
    }
    for (StateBlock* block : startersBlocks)
        block->stateFinished();
    starter->endReportPending(-1);
}

QList<StateBlock*> State::referringBlocks() const
{
    const std::lock_guard locker(m_referrersLock);
    return m_referrers;
}

bool State::isReferenced() const
{
    const std::lock_guard locker(m_referrersLock);
    return !m_referrers.isEmpty();
}

void State::addReferrer(StateBlock* block)
{
    const std::lock_guard locker(m_referrersLock);
    m_referrers.append(block);
}

void State::removeReferrer(StateBlock* block)
{
    const std::lock_guard locker(m_referrersLock);
    m_referrers.removeOne(block);
}

QList<StateChart*> State::referringCharts() const
{
    const std::lock_guard locker(m_referrersLock);
    QList<StateChart*> charts;
    for (StateBlock* block : m_referrers)
        charts.append(block->chart());
    return charts;
}

StateChart* State::runningReferringChart() const
{
    for (StateChart* chart : referringCharts()) {
        if (chart->isRunning())
            return chart;
    }
    return nullptr;
}

StateChart* State::steppedReferringChart() const
{
    for (StateChart* chart : referringCharts()) {
        if (chart->stepMode())
            return chart;
    }
    return nullptr;
}

void State::forEachListedBlock(const std::function<void(Node*)>& action)
{
    // The stop may run on the cycle thread while the GUI thread edits the lists; edits
    // take the same locks.
    {
        const std::lock_guard locker(m_stepLock);
        for (Node* node : std::as_const(m_nodeList))
            action(node);
    }
    const std::lock_guard locker(m_imageStepLock);
    for (Node* node : std::as_const(m_imageList))
        action(node);
}

void State::deleteAll()
{
    for (Net* net : QList<Net*>(m_netList))
        removeNet(net);
    QList<Node*> cycleBlocks;
    QList<Node*> imageBlocks;
    {
        const std::lock_guard locker(m_stepLock);
        cycleBlocks.swap(m_nodeList);
    }
    {
        const std::lock_guard locker(m_imageStepLock);
        imageBlocks.swap(m_imageList);
    }
    qDeleteAll(cycleBlocks);
    qDeleteAll(imageBlocks);
}

void State::updateDatatips()
{
    for (Node* node : nodes())
        node->updateDatatips();
}

void State::showDatatips(bool on)
{
    for (Node* node : nodes())
        node->showDatatips(on);
}

void State::setShowSortIndex(bool on)
{
    m_showSortIndex = on;
    updateOrderBadges(m_nodeList);
    updateOrderBadges(m_imageList);
    m_canvas->update();
}

void State::insertSorted(Node* node, QList<Node*>& list)
{
    qsizetype position = 0;
    while (position < list.size() && !node->precedes(list.at(position)))
        ++position;
    list.insert(position, node);
    renumber(list);
}

void State::renumber(QList<Node*>& list)
{
    for (qsizetype i = 0; i < list.size(); ++i)
        list.at(i)->setOrderIndex(unsigned(i));
    if (!m_showSortIndex)
        return;
    updateOrderBadges(list);
    m_canvas->update();
}

void State::updateOrderBadges(QList<Node*>& list)
{
    for (Node* node : std::as_const(list))
        node->showOrderBadge(m_showSortIndex);
}

QList<Node*> State::constNodes() const
{
    constexpr unsigned short constantMaintype = 6;
    QList<Node*> constants;
    for (Node* node : m_nodeList) {
        if (node->type()->maintype() == constantMaintype)
            constants.append(node);
    }
    return constants;
}

bool State::takeCycleStep()
{
    return !stepMode() || takeGranted(m_steps);
}

bool State::takeImageStep()
{
    return !stepMode() || takeGranted(m_imageSteps);
}

void State::step()
{
    const std::lock_guard stepLocker(m_stepLock);
    setStepCount(stepCount() + 1);
    setExitCode(0);
    if (mode() != Parallel)
        stepSequential();
    else
        stepParallel();
}

void State::stepSequential()
{
    const std::lock_guard listLocker(m_listLock);
    int result = 0;
    for (Node* node : std::as_const(m_nodeList)) {
        if (isAborted())
            break;
        node->updateActivationAndRead();
        result = node->stepIfRunning();
        if (result > 0)
            break; // the exiting block writes nothing, later blocks are untouched
        node->writeIfRunning();
    }
    setExitCode(result);
}

void State::stepParallel()
{
    {
        const std::lock_guard listLocker(m_listLock);
        for (Node* node : std::as_const(m_nodeList)) {
            if (isAborted())
                break;
            node->updateActivationAndRead();
        }
    }
    int result = 0;
    for (Node* node : std::as_const(m_nodeList)) {
        if (isAborted())
            break;
        result = node->stepIfRunning();
        if (result > 0)
            break;
    }
    setExitCode(result);
    if (result > 0)
        return; // no block writes in a cycle that ends through an exit
    const std::lock_guard listLocker(m_listLock);
    for (Node* node : std::as_const(m_nodeList)) {
        if (isAborted())
            break;
        node->writeIfRunning();
    }
}

void State::imageStep()
{
    const std::lock_guard stepLocker(m_imageStepLock);
    if (mode() != Parallel)
        stepImagesSequential();
    else
        stepImagesParallel();
}

void State::stepImagesSequential()
{
    const std::lock_guard listLocker(m_listLock);
    for (Node* node : std::as_const(m_imageList)) {
        if (isAborted())
            break;
        node->updateActivationAndRead();
        node->stepIfRunning();
        node->writeIfRunning();
    }
}

void State::stepImagesParallel()
{
    {
        const std::lock_guard listLocker(m_listLock);
        for (Node* node : std::as_const(m_imageList)) {
            if (isAborted())
                break;
            node->updateActivationAndRead();
        }
    }
    for (Node* node : std::as_const(m_imageList)) {
        if (isAborted())
            break;
        node->stepIfRunning();
    }
    const std::lock_guard listLocker(m_listLock);
    for (Node* node : std::as_const(m_imageList)) {
        if (isAborted())
            break;
        node->writeIfRunning();
    }
}

xmlDoc* State::createDocument() const
{
    xmlDoc* document = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
    xmlNode* model = xmlNewNode(nullptr, reinterpret_cast<const xmlChar*>("model"));
    xmlDocSetRootElement(document, model);
    writeAttribute(model, "type", QStringLiteral("state"));
    writeAttribute(model, "mode", mode());
    writeAttribute(model, "sortIndex", m_showSortIndex ? 1 : 0);
    // The split of a shown window, as the user left it, is what the file keeps.
    const auto* splitter = isReady() ? qobject_cast<const QSplitter*>(m_view.data()) : nullptr;
    const QList<int> sizes = splitter ? splitter->sizes() : QList<int>();
    writeAttribute(model, "size0", sizes.size() == 2 ? sizes.at(0) : m_size0);
    writeAttribute(model, "size1", sizes.size() == 2 ? sizes.at(1) : m_size1);
    writeAttributes(model);
    for (Node* node : m_nodeList)
        node->saveXml(model);
    for (Node* node : m_imageList)
        node->saveXml(model);
    for (Net* net : m_netList)
        net->save(model);
    return document;
}

bool State::save()
{
    xmlDoc* document = createDocument();
    const bool written = WorkspaceFile::write(document, fileName());
    xmlFreeDoc(document);
    if (!written)
        return false; // the old file stays as it was and the program stays modified
    clearModified();
    updateCaption();
    return true;
}

bool State::load(xmlNode* model)
{
    readAttributes(model);
    const bool loaded = loadOnFullCanvas([this, model] {
        bool ok = true;
        loadNodes(model, ok);
        if (ok)
            loadNets(model);
        return ok;
    });
    if (!loaded)
        return false;
    clearModified();
    setHasFileName(true);
    updateCaption();
    setDatatips(datatips());
    readModelAttributes(model);
    renumberIds();
    reset();
    return true;
}

void State::loadNodes(xmlNode* model, bool& ok)
{
    for (xmlNode* child = model->children; child; child = child->next) {
        if (!isElementNamed(child, "node"))
            continue;
        StateNode* block = StateNode::load(m_canvas, child, this);
        if (!block || !addNode(block)) {
            delete block;
            ok = false;
            return;
        }
        block->show();
    }
}

void State::loadNets(xmlNode* model)
{
    // An input carries one net: a later net that reaches an input already served is dropped.
    QSet<const Slot*> servedInputs;
    for (xmlNode* child = model->children; child; child = child->next) {
        if (!isElementNamed(child, "net"))
            continue;
        Net* net = Net::load(m_canvas, this, child, nullptr);
        if (!net)
            continue;
        bool clash = false;
        for (const Slot* target : net->targets())
            clash = clash || servedInputs.contains(target);
        if (clash || !addNet(net)) {
            removeNet(net);
            continue;
        }
        for (const Slot* target : net->targets())
            servedInputs.insert(target);
        net->show();
    }
}

void State::readModelAttributes(xmlNode* model)
{
    bool valid = false;
    const unsigned storedMode = attributeText(model, QStringLiteral("mode")).toUInt(&valid);
    setMode(valid ? int(qMin(storedMode, unsigned(INT_MAX))) : Parallel);
    const int size0 = attributeText(model, QStringLiteral("size0")).toInt(&valid);
    if (valid)
        m_size0 = size0;
    const int size1 = attributeText(model, QStringLiteral("size1")).toInt(&valid);
    if (valid)
        m_size1 = size1;
    const unsigned sortIndex = attributeText(model, QStringLiteral("sortIndex")).toUInt(&valid);
    if (valid && sortIndex > 0)
        setShowSortIndex(true);
}
