#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include <libxml/tree.h>

class QWidget;
class State;
class StateBase;
class StateChart;

// The registry of open documents: gives each new or loaded document the smallest free
// id, creates their windows and keeps the library's program entries in step. File
// names of loaded documents are kept absolute and cleaned, so one file cannot be open
// twice under two spellings.
class StateManager : public QObject
{
    Q_OBJECT

public:
    explicit StateManager(QWidget* parent = nullptr);
    ~StateManager() override;

    int freeId() const;
    State* newState(QWidget* windowParent);
    State* loadState(QWidget* windowParent, const QString& fileName, xmlNode* model);
    StateChart* newStateChart(QWidget* windowParent);
    StateChart* loadStateChart(QWidget* windowParent, const QString& fileName, xmlNode* model);
    bool remove(StateBase* document);
    StateBase* stateById(int id) const;
    StateBase* stateByFileName(const QString& fileName) const;
    QList<StateBase*> states() const;
    bool isEmpty() const;

    // The absolute, cleaned form under which a file name is registered.
    static QString registeredFileName(const QString& fileName);

private:
    QMap<int, StateBase*> m_documents;
};
