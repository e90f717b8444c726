#pragma once

#include "StateNode.h"
#include "TransferCurve.h"

#include <mutex>

// Maps its input through a user-drawn curve of points joined by straight lines.
class TransferFunction : public StateNode
{
public:
    using Point = TransferCurve::Point;

    TransferFunction(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

    // Editing by the dialog; each change is made whole under the block's lock.
    TransferCurve curve() const;
    void addPoint(const Point& p);
    bool removePoint(int position);
    void movePoint(int position, const Point& p, bool widen);
    int findPoint(const Point& p, const Point& q) const;
    void setRange(int xmin, int xmax, int ymin, int ymax);

private:
    float m_x = 0.0f;
    float m_y = 0.0f;
    mutable std::mutex m_pointsMutex;
    TransferCurve m_points;
};
