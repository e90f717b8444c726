#pragma once

// Programs and charts for the chart tests: a block that ends its program after a number
// of steps, a shell that answers message boxes and file dialogs from a script, and
// workspace text of charts.

#include "StateManager.h"
#include "StateNode.h"
#include "spine_helper.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>

class State;
class StateChart;

// Ends its program through exit "code" in the step numbered "after" since its program
// started (parameters); code 0 never ends it. Counts the starts of its program.
class ExitAfterBlock : public StateNode
{
public:
    static constexpr unsigned short kind = 230;

    ExitAfterBlock(State* owner, QGraphicsScene* canvas, unsigned id, const NodeType& type);
    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void setParameters(QMap<QString, QString> values) override;
    QMap<QString, QString> parameters() const override;
    void start() override;
    void reset() override;
    int step() override;

    std::atomic<int> after {0};
    std::atomic<int> code {0};
    std::atomic<int> count {0};
    std::atomic<int> starts {0};
};

// Message boxes and file dialogs answered from scripts; every box is recorded as
// "<caption>|<text>".
class ScriptedShell : public RecordingShell
{
public:
    QMessageBox::StandardButton messageBox(QWidget* parent, MessageKind kind, const QString& caption,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton,
                                           QMessageBox::StandardButton escapeButton) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& startName,
                         const QString& filter) override;

    QStringList boxes;
    // In order: 0 presses the escape button, 1 the other one; the escape button once the
    // list is empty.
    QList<int> answers;
    // Chosen files, in order; a cancelled dialog once the list is empty.
    QStringList files;
};

namespace chartfile {
// A program whose one block ends it through exit `code` in step `after`.
QByteArray program(int after, int code);
QString start(unsigned id, int x, int y);
QString sync(unsigned id, int subtype, int x, int y);
QString stateblock(unsigned id, int x, int y, const QString& absolute, const QString& relative,
                   const QString& name = QStringLiteral("p"));
// A transition from output `fromIndex` (right side) of one element to the input of another.
QString net(unsigned id, unsigned fromNode, int fromIndex, unsigned toNode);
QByteArray chart(const QString& body);
} // namespace chartfile

// Closes every document of the registry, charts first (their elements unbind from the
// programs).
void closeAll(StateManager& manager);

// A temporary folder for chart and program files, the scripted shell, and the registry;
// the folder the process was in comes back after each test (loading a chart moves into
// the chart's folder).
class ChartTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    QString startFolder;
    QTemporaryDir folder;
    ScriptedShell shell;
    StateManager manager;
};

// Writes the bytes to the file; false when it cannot.
bool writeFile(const QString& fileName, const QByteArray& bytes);
QByteArray readFile(const QString& fileName);
