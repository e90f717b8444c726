#pragma once

#include "CameraParameters.h"
#include "ColorFormat.h"
#include "ImageDialogLink.h"
#include "StateNode.h"

#include <atomic>

// The source of every image in a program: puts out the newest camera frame in its colour format.
class Camera : public StateNode
{
public:
    static constexpr unsigned short maintype = 10;

    Camera(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);
    ~Camera() override;

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);
    NodeDialog* createDialog(QWidget* parent) override;

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void start() override;
    void stop() override;
    void writeOutputs() override;

    ColorFormat_t::colorFormat_t colorFormat() const { return m_colorFormat.load(); }
    // Moves the block's registration at the camera hub when its program runs; values outside
    // the four formats keep the current one.
    void setColorFormat(int format);
    CameraParameters cameraParameters;

    // The image thread reaches the open dialog only through this.
    ImageDialogLink imageLink {this};

private:
    bool programRunning() const;

    std::atomic<ColorFormat_t::colorFormat_t> m_colorFormat {ColorFormat_t::RGB};
};
