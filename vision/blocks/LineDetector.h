#pragma once

#include "ImageDialogLink.h"
#include "ImageHandle.h"
#include "LineEdgeImage.h"
#include "StateNode.h"

#include <atomic>

// Finds the strongest edge of one polarity across a band of rows above the image's bottom row
// and puts out its column as an offset from the image centre.
class LineDetector : public StateNode
{
public:
    static constexpr unsigned short maintype = 35;
    static constexpr int maximumSearchHeight = 50;
    static constexpr int defaultSearchHeight = 20;

    LineDetector(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);
    ~LineDetector() override;

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);
    NodeDialog* createDialog(QWidget* parent) override;

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void reset() override;
    void readInputs() override;
    int step() override;
    void writeOutputs() override;

    // Written by the dialog, read by the image thread in its next step.
    std::atomic<int> searchHeight {defaultSearchHeight};
    std::atomic<int> edgeType {0};
    int lineColumn() const { return m_lineColumn; }
    int lineX() const { return m_lineX; }
    const LineEdgeImage& edgeImage() const { return m_edgeImage; }

    // The image thread reaches the open dialog only through this.
    ImageDialogLink imageLink {this};

private:
    void setEdgeType(int value);
    void handDisplayImage(unsigned sizeIndex);

    ImageHandle m_inputImage;
    LineEdgeImage m_edgeImage;
    int m_threshold = 0;
    int m_lineColumn = -1;
    int m_lineX = 0;
    bool m_fullImageShown = true;
};
