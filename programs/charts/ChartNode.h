#pragma once

#include "Node.h"

#include <QMap>

class ChartNode;
class QGraphicsScene;
class StateChart;

// Creates one kind of chart element for a chart, on its canvas, with the requested
// descriptor's subtype and the given id.
using ChartNodeFactory = ChartNode* (*)(StateChart* chart, QGraphicsScene* canvas, const NodeType& type, unsigned id);

// The chart-element registry, by maintype; filled by the description functions.
QMap<unsigned short, ChartNodeFactory>& chartNodeFactories();

// Base of the elements of a sequence chart. Elements take part in no engine cycle:
// control passes between them only through receive, start, stop and reset.
class ChartNode : public Node
{
    Q_OBJECT

public:
    ChartNode(StateChart* chart, QGraphicsScene* canvas, unsigned id, const NodeType& type);

    StateChart* chart() const { return m_chart; }
    // The base descriptor of every chart element: flag 2 only.
    static NodeType nodeType();
    // Null when no factory is registered for the type's maintype.
    static ChartNode* create(StateChart* chart, QGraphicsScene* canvas, const NodeType& type, unsigned id);
    // Reads a "node" or "stateblock" element; null (and nothing left behind) on failure.
    static ChartNode* load(QGraphicsScene* canvas, xmlNode* element, StateChart* chart);

    bool saveXml(xmlNode* parent) override;
    // Whether the element holds control (hides the block's active switch).
    virtual bool isActive() const = 0;

protected:
    static void registerFactory(unsigned short maintype, ChartNodeFactory factory);

private:
    bool readElement(xmlNode* element);

    StateChart* m_chart;
};
