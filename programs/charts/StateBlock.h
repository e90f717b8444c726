#pragma once

#include "ChartNode.h"

#include <QPixmap>
#include <QString>

#include <atomic>

class State;

// The chart element of one function-block program: runs it while it holds control and,
// when the program ends with an exit number, passes control on along the output of that
// number ("A" for exit 1, "B" for 2, "C" for 3; every output for 4 and more).
class StateBlock : public ChartNode
{
    Q_OBJECT

public:
    static constexpr unsigned short maintype = 1;

    StateBlock(StateChart* chart, QGraphicsScene* canvas, unsigned id, const NodeType& type);
    ~StateBlock() override;

    static NodeType nodeType();
    static ChartNode* create(StateChart* chart, QGraphicsScene* canvas, const NodeType& type, unsigned id);
    // Reads a "stateblock" element and binds its program, asking the user where the
    // stored references fail; null when no program could be bound.
    static StateBlock* load(QGraphicsScene* canvas, xmlNode* element, StateChart* chart);

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void receive(void* data, Slot* target, Slot* source) override;
    void stop() override;
    void reset() override;
    bool isActive() const override { return m_inControl.load(); }

    void setState(State* program);
    State* state() const { return m_program; }
    // The program is being destroyed: the element keeps no pointer to it.
    void forgetState();
    // Called by the program's stop for the element of the chart that started it;
    // may run on the cycle thread.
    void stateFinished();
    void setStepMode(bool on);
    void setSteps(unsigned n);
    void setBaseDir(const QString& folder) { m_baseDir = folder; }
    QString path(bool absolute) const { return absolute ? m_absoluteFile : m_relativeFile; }
    // The editor's double-click on the element: the program's tab comes to the front.
    void showProgram();

private:
    void takeControl(void* data, Slot* source);
    void stopFromOutput();
    void fireOutputs(int code);
    // Icon changes reach the canvas in the GUI thread; transitions may run elsewhere.
    void refreshIcon();
    // Invoked by name from other threads: Qt then builds the queued call itself, out of sight
    // of ThreadSanitizer, instead of copying a functor in our code.
    Q_INVOKABLE void showControlIcon();

    std::atomic<bool> m_stoppedFromOutput {false};
    std::atomic<bool> m_stoppedByChart {false};
    QPixmap m_runIcon;
    State* m_program = nullptr;
    QString m_absoluteFile;
    QString m_relativeFile;
    QString m_baseDir;
    std::atomic<bool> m_inControl {false};
};
