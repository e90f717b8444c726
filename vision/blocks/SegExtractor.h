#pragma once

#include "ImageDialogLink.h"
#include "ImageHandle.h"
#include "SegmentDescription.h"
#include "SegmentRun.h"
#include "StateNode.h"

#include <mutex>

#include <atomic>

// Reports where the largest region of one colour class lies in a segmented image.
class SegExtractor : public StateNode
{
public:
    static constexpr unsigned short maintype = 29;
    static constexpr int defaultMinSegmentArea = 200;

    SegExtractor(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);
    ~SegExtractor() override;

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);
    NodeDialog* createDialog(QWidget* parent) override;

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void receive(void* data, Slot* target, Slot* source) override;
    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

    // Any value outside the segment list becomes -1 (none).
    void setSelectedSegment(int index);
    int selectedSegment() const { return m_selectedSegment.load(); }
    SegmentList segments() const;
    int segmentCount() const;

    std::atomic<int> minSegmentArea {defaultMinSegmentArea};
    std::atomic<bool> fullImageShown {true};

    // The image thread reaches the open dialog only through this.
    ImageDialogLink imageLink {this};

private:
    ImageHandle m_image;
    SegmentRegion m_region;
    std::atomic<int> m_selectedSegment {-1};
    int m_foundRegion = -1;
    unsigned m_sizeIndex = 1;
    mutable std::mutex m_mutex;
    SegmentList m_segments;
};
