#include "StateManager.h"

#include "ShellServices.h"
#include "State.h"
#include "StateChart.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

StateManager::StateManager(QWidget* parent) : QObject(parent)
{
}

StateManager::~StateManager() = default;

int StateManager::freeId() const
{
    int id = 0;
    while (m_documents.contains(id))
        ++id;
    return id;
}

State* StateManager::newState(QWidget* windowParent)
{
    const int id = freeId();
    auto* program = new State(id);
    program->setFileName(tr("Unnamed%1").arg(id), true);
    program->createView(windowParent);
    m_documents.insert(id, program);
    ShellServices::current().addProgramToLibrary(program);
    return program;
}

State* StateManager::loadState(QWidget* windowParent, const QString& fileName, xmlNode* model)
{
    const int id = freeId();
    auto* program = new State(id);
    program->setFileName(registeredFileName(fileName), false);
    if (!model || !program->load(model)) {
        delete program;
        return nullptr;
    }
    program->createView(windowParent);
    m_documents.insert(id, program);
    ShellServices::current().addProgramToLibrary(program);
    return program;
}

StateChart* StateManager::newStateChart(QWidget* windowParent)
{
    const int id = freeId();
    auto* chart = new StateChart(this, id);
    m_documents.insert(id, chart);
    chart->setFileName(tr("Unnamed%1").arg(id), true);
    chart->createView(windowParent);
    return chart;
}

StateChart* StateManager::loadStateChart(QWidget* windowParent, const QString& fileName, xmlNode* model)
{
    const int id = freeId();
    auto* chart = new StateChart(this, id);
    // Registered at once, so that programs the chart opens while it loads get other ids.
    m_documents.insert(id, chart);
    chart->setFileName(registeredFileName(fileName), false);
    if (!model || !chart->load(model)) {
        m_documents.remove(id);
        delete chart;
        return nullptr;
    }
    chart->createView(windowParent);
    return chart;
}

bool StateManager::remove(StateBase* document)
{
    if (!document || m_documents.value(document->id()) != document)
        return false;
    if (document->kind() == StateBase_t::Program)
        ShellServices::current().removeProgramFromLibrary(document->id());
    m_documents.remove(document->id());
    return true;
}

StateBase* StateManager::stateById(int id) const
{
    return m_documents.value(id, nullptr);
}

StateBase* StateManager::stateByFileName(const QString& fileName) const
{
    const QString registered = registeredFileName(fileName);
    for (StateBase* document : m_documents) {
        const QString name = document->fileName();
        if (name == fileName || (document->hasFileName() && name == registered))
            return document;
    }
    return nullptr;
}

QList<StateBase*> StateManager::states() const
{
    return m_documents.values();
}

bool StateManager::isEmpty() const
{
    return m_documents.isEmpty();
}

QString StateManager::registeredFileName(const QString& fileName)
{
    if (fileName.isEmpty())
        return fileName;
    return QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
}
