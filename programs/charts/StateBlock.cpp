#include "StateBlock.h"

#include "EmbeddedImages.h"
#include "ProgramReference.h"
#include "RelativePath.h"
#include "ShellServices.h"
#include "Slot.h"
#include "State.h"
#include "StateChart.h"

#include <QThread>

StateBlock::StateBlock(StateChart* chart, QGraphicsScene* canvas, unsigned id, const NodeType& type)
    : ChartNode(chart, canvas, id, type), m_runIcon(EmbeddedImages::pixmap(QStringLiteral("stateblock_run.png")))
{
}

StateBlock::~StateBlock()
{
    // A program ending on the cycle thread may be walking its referrers right now.
    const std::lock_guard locker(chart()->transitionLock());
    if (!m_program)
        return;
    m_program->removeReferrer(this);
    // The program may run on after its element is gone; its end must not reach the chart.
    if (!m_program->referringCharts().contains(chart()))
        m_program->forgetStarter(chart());
}

NodeType StateBlock::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = ChartNode::nodeType();
        type.setMaintype(maintype);
        type.addSubtype(QString(), QStringLiteral("stateblock.png"));
        type.addTransitionSlot(tr("I%1").arg(1), SlotSpec::Input, SlotSpec::Left);
        //: Program exit A
        type.addTransitionSlot(tr("A"), SlotSpec::Output, SlotSpec::Right);
        //: Program exit B
        type.addTransitionSlot(tr("B"), SlotSpec::Output, SlotSpec::Right);
        //: Program exit C
        type.addTransitionSlot(tr("C"), SlotSpec::Output, SlotSpec::Right);
        registerFactory(maintype, &StateBlock::create);
    }
    return type;
}

ChartNode* StateBlock::create(StateChart* chart, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new StateBlock(chart, canvas, id, nodeType().withSubtype(type.subtype()));
}

StateBlock* StateBlock::load(QGraphicsScene* canvas, xmlNode* element, StateChart* chart)
{
    ChartNode* node = ChartNode::load(canvas, element, chart);
    auto* block = qobject_cast<StateBlock*>(node);
    if (!block) {
        delete node;
        return nullptr;
    }
    ProgramReference reference(chart, block->m_absoluteFile, block->m_relativeFile);
    State* program = reference.resolve();
    if (!program) {
        delete block;
        return nullptr;
    }
    block->setState(program);
    return block;
}

void StateBlock::setParameters(QMap<QString, QString> values)
{
    m_absoluteFile = values.value(QStringLiteral("abs"));
    m_relativeFile = values.value(QStringLiteral("relative"));
}

QMap<QString, QString> StateBlock::parameters() const
{
    if (!m_program)
        return {{QStringLiteral("abs"), m_absoluteFile}, {QStringLiteral("relative"), m_relativeFile}};
    const QString file = m_program->fileName();
    // Without a base folder (the chart not saved since) the file name stays as it is.
    const QString relative = m_baseDir.isEmpty() ? file : relativePath(file, m_baseDir);
    return {{QStringLiteral("abs"), file}, {QStringLiteral("relative"), relative}};
}

void StateBlock::setState(State* program)
{
    if (m_program)
        m_program->removeReferrer(this);
    m_program = program;
    if (!program)
        return;
    setName(program->displayName());
    program->addReferrer(this);
}

void StateBlock::forgetState()
{
    m_program = nullptr;
    m_inControl = false;
    refreshIcon();
}

void StateBlock::receive(void* data, Slot* target, Slot* source)
{
    if (!target)
        return;
    if (target->spec().side() == SlotSpec::Left)
        takeControl(data, source);
    else if (target->spec().side() == SlotSpec::Right)
        stopFromOutput();
}

void StateBlock::takeControl(void* data, Slot* source)
{
    // Of a finished predecessor only the output of its exit number passes control.
    if (data && source && source->spec().index() != *static_cast<const int*>(data) - 1)
        return;
    if (!m_program)
        return;
    if (chart()->stepMode())
        m_program->setStepMode(true);
    // In control before the start: a program started from here may end on the cycle
    // thread before this call returns, and its end must find the element in control.
    m_inControl = true;
    m_program->start(chart());
    refreshIcon();
}

void StateBlock::stopFromOutput()
{
    m_stoppedFromOutput = true;
    m_inControl = false;
    if (m_program)
        m_program->stop();
    m_stoppedFromOutput = false;
    refreshIcon();
}

void StateBlock::stateFinished()
{
    const std::lock_guard locker(chart()->transitionLock());
    const int code = m_program ? m_program->exitCode() : 0;
    m_inControl = false;
    if (code > 0 && !m_stoppedFromOutput && !m_stoppedByChart)
        fireOutputs(code);
    m_stoppedFromOutput = false;
    m_stoppedByChart = false;
    // A transition back into this element may have given it control again.
    refreshIcon();
}

void StateBlock::fireOutputs(int code)
{
    for (int index = 0; Slot* output = slot(SlotSpec::Right, index); ++index)
        output->sendToConnected(&code);
}

void StateBlock::stop()
{
    m_stoppedByChart = true;
    m_inControl = false;
    if (m_program)
        m_program->stop();
    refreshIcon();
}

void StateBlock::reset()
{
    m_stoppedFromOutput = false;
    m_stoppedByChart = false;
    m_inControl = false;
    refreshIcon();
}

void StateBlock::setStepMode(bool on)
{
    if (m_program)
        m_program->setStepMode(on);
}

void StateBlock::setSteps(unsigned n)
{
    if (m_program)
        m_program->setSteps(n);
}

void StateBlock::showProgram()
{
    if (m_program)
        ShellServices::current().showProgram(m_program);
}

void StateBlock::refreshIcon()
{
    if (QThread::currentThread() == thread())
        showControlIcon();
    else
        QMetaObject::invokeMethod(this, "showControlIcon", Qt::QueuedConnection);
}

void StateBlock::showControlIcon()
{
    if (m_inControl)
        setIcon(m_runIcon);
    else
        showFirstIcon();
}
