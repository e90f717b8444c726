#pragma once

#include "KDMapBuilder.h"
#include "StateNode.h"

#include <QPixmap>
#include <QString>

#include <functional>

// The position view block: shows the robot's actual pose on a map and puts out the pose
// of a virtual robot that the user drags on the map or a program sets from outside.
class MapBuilder : public StateNode
{
public:
    static constexpr double minimumZoom = 10.0;
    static constexpr double maximumZoom = 400.0;
    static constexpr int defaultContents = 450;

    MapBuilder(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);
    ~MapBuilder() override;

    static NodeType nodeType();

    NodeDialog* createDialog(QWidget* parent) override;
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);
    // Zoom percent within 10 .. 400; anything unusable gives 100.
    static double clampedZoom(double percent);

    KDMapBuilder& model() { return m_model; }
    const QPixmap& background() const { return m_background; }
    int backgroundOffsetX() const { return m_offsetX; }
    int backgroundOffsetY() const { return m_offsetY; }
    int contentsX() const { return m_contentsX; }
    int contentsY() const { return m_contentsY; }
    double zoom() const { return m_zoom; }
    // GUI thread: the open map's view settings, kept while the dialog is closed.
    void setView(int contentsX, int contentsY, double zoom);
    // GUI thread: where the open map reads its settings from when saved; null when closed.
    using ViewReader = std::function<void(int& x, int& y, double& zoom)>;
    void setViewReader(ViewReader reader) { viewReader = std::move(reader); }

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void readInputs() override;
    void writeOutputs() override;

private:
    KDMapBuilder m_model;
    QString m_backgroundPath;
    QPixmap m_background;
    int m_offsetX = 0;
    int m_offsetY = 0;
    int m_contentsX = defaultContents;
    int m_contentsY = defaultContents;
    double m_zoom = 100.0;
    ViewReader viewReader;
};
