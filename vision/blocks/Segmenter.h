#pragma once

#include "ImageDialogLink.h"
#include "ImageHandle.h"
#include "SegmentDescription.h"
#include "SegmenterEngine.h"
#include "StateNode.h"

#include <mutex>

#include <atomic>
#include <functional>

class XKDImage;

// Classifies the pixels of every image into the taught colour classes and passes the image on
// with its segmentation; pushes its class list to the blocks at its output.
class Segmenter : public StateNode
{
public:
    static constexpr unsigned short maintype = 12;

    Segmenter(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);
    ~Segmenter() override;

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);
    NodeDialog* createDialog(QWidget* parent) override;

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void connectionChanged(Slot* slot) override;
    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

    // Runs the engine on an image under the block's lock (image thread, or the dialog's frozen image).
    void segment(XKDImage& image);
    // Any change of the list: made, the engine rebuilt and the list pushed, all under the block's lock.
    void changeSegments(const std::function<void(SegmentList&)>& change);
    SegmentList segments() const;

    std::atomic<bool> freeze {false};
    std::atomic<bool> editSegmentsShown {false};
    std::atomic<unsigned> nextSegmentNumber {1};

    // The image thread reaches the open dialog only through this.
    ImageDialogLink imageLink {this};

private:
    void rebuildAndPushLocked();

    ImageHandle m_image;
    mutable std::mutex m_mutex;
    SegmenterEngine m_engine;
    SegmentList m_segments;
};
