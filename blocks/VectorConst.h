#pragma once

#include "StateNode.h"
#include "Vector.h"

#include <atomic>
#include <mutex>

// Puts out a constant vector that the user edits in cartesian or polar form.
class VectorConst : public StateNode
{
public:
    VectorConst(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void writeOutputs() override;

    Vector vector() const;
    // Reaches the output in the next cycle.
    void setVector(const Vector& value);
    // 0 cartesian, 1 polar: how the dialog shows the vector; no effect on the output.
    int system() const { return m_shownSystem.load(); }
    void setSystem(int system) { m_shownSystem.store(system); }

private:
    // Keeps the cycle from reading x of one edit and y of another.
    mutable std::mutex m_vectorMutex;
    Vector m_constant;
    std::atomic<int> m_shownSystem {0};
};
