#include "Segmenter.h"

#include "ImagePool.h"
#include "ImageSlot.h"
#include "NodeFactory.h"
#include "SegImageSlot.h"
#include "SegmenterDialog.h"
#include "Slot.h"
#include "XKDImage.h"

#include <mutex>

namespace {

SegmentDescription::Colour colourOf(unsigned value)
{
    return {static_cast<std::uint8_t>((value >> 16) & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
            static_cast<std::uint8_t>(value & 0xFF)};
}

unsigned valueOf(const SegmentDescription::Colour& colour)
{
    return (unsigned(colour[0]) << 16) | (unsigned(colour[1]) << 8) | colour[2];
}

// One stored segment, or false when one of its keys drops it.
bool readSegment(const QMap<QString, QString>& parameters, int number, SegmentDescription& segment)
{
    const QString name = QStringLiteral("name%1").arg(number);
    if (!parameters.contains(name))
        return false;
    segment.setName(parameters.value(name).toLatin1().toStdString());
    bool ok = false;
    const unsigned mean = parameters.value(QStringLiteral("meanColor%1").arg(number)).toUInt(&ok);
    if (!ok)
        return false;
    segment.setMeanColor(colourOf(mean & 0xFFFFFFu));
    if (!segment.setColorIndexText(parameters.value(QStringLiteral("colorIndex%1").arg(number)).toStdString()))
        return false;
    const unsigned format = parameters.value(QStringLiteral("colorFormat%1").arg(number)).toUInt();
    if (format >= 4)
        return false;
    segment.setColorFormat(static_cast<int>(format));
    segment.setChannelsUsedText(parameters.value(QStringLiteral("channelsUsed%1").arg(number)).toStdString());
    return true;
}

} // namespace

Segmenter::Segmenter(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

Segmenter::~Segmenter()
{
    deleteDialog(); // it reaches the image link and the segment list
    if (!m_image.isNone() && ImagePool::global())
        ImagePool::global()->release(m_image);
}

NodeType Segmenter::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Segmenter", "Segmentierer"));
        type.setFlags(NodeType::FunctionBlock | NodeType::ImageCycle);
        type.setMaintype(maintype);
        type.addSubtype(QObject::tr("Segmenter", "Segmentierer"), QStringLiteral("segmenter.png"));
        type.addImageSlot(QObject::tr("Image", "Bild"), SlotSpec::Input, SlotSpec::Left);
        type.addSegImageSlot(QObject::tr("Segmented image", "Segmentiertes Bild"), SlotSpec::Output, SlotSpec::Right);
        nodeFactories().insert(maintype, &Segmenter::create);
    }
    return type;
}

StateNode* Segmenter::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Segmenter(owner, canvas, type.subtype(), id);
}

void Segmenter::setParameters(QMap<QString, QString> parameters)
{
    const unsigned count = parameters.value(QStringLiteral("numberSegments")).toUInt();
    editSegmentsShown.store(parameters.value(QStringLiteral("editSegmentsShown")) == QStringLiteral("1"));
    SegmentList loaded;
    for (unsigned number = 1; number <= count; ++number) {
        SegmentDescription segment;
        if (readSegment(parameters, static_cast<int>(number), segment))
            loaded.push_back(segment);
    }
    changeSegments([&loaded](SegmentList& list) { list.splice(list.end(), loaded); });
}

QMap<QString, QString> Segmenter::parameters() const
{
    QMap<QString, QString> result;
    const SegmentList list = segments();
    result.insert(QStringLiteral("numberSegments"), QString::number(list.size()));
    int number = 1;
    for (const SegmentDescription& segment : list) {
        result.insert(QStringLiteral("name%1").arg(number), QString::fromLatin1(segment.name().c_str()));
        result.insert(QStringLiteral("meanColor%1").arg(number), QString::number(valueOf(segment.meanColor())));
        result.insert(QStringLiteral("colorIndex%1").arg(number), QString::fromStdString(segment.colorIndexText()));
        result.insert(QStringLiteral("colorFormat%1").arg(number), QString::number(segment.colorFormat()));
        result.insert(QStringLiteral("channelsUsed%1").arg(number), QString::fromStdString(segment.channelsUsedText()));
        ++number;
    }
    result.insert(QStringLiteral("editSegmentsShown"),
                  editSegmentsShown.load() ? QStringLiteral("1") : QStringLiteral("0"));
    return result;
}

void Segmenter::rebuildAndPushLocked()
{
    m_engine.setSegments(m_segments);
    if (Slot* output = slot(SlotSpec::Right, 0))
        output->sendToConnected(&m_segments);
}

void Segmenter::changeSegments(const std::function<void(SegmentList&)>& change)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    change(m_segments);
    rebuildAndPushLocked();
}

SegmentList Segmenter::segments() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_segments;
}

void Segmenter::connectionChanged(Slot* changed)
{
    if (changed && !changed->isInput()) {
        std::unique_lock<std::mutex> lock(m_mutex);
        changed->sendToConnected(&m_segments);
    }
}

void Segmenter::reset()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (Slot* output = slot(SlotSpec::Right, 0))
        output->sendToConnected(&m_segments);
}

void Segmenter::readInputs()
{
    Slot* input = slot(SlotSpec::Left, 0);
    ImageSlot* imageInput = input ? input->toImageSlot() : nullptr;
    m_image = imageInput ? imageInput->image() : ImageHandle {};
}

void Segmenter::segment(XKDImage& image)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_engine.segment(image);
}

int Segmenter::step()
{
    if (m_image.isNone())
        return 0;
    if (XKDImage* image = ImagePool::global()->image(m_image))
        segment(*image);
    if (!freeze.load())
        imageLink.setImageCopy(m_image);
    return 0;
}

void Segmenter::writeOutputs()
{
    auto* output = dynamic_cast<SegImageSlot*>(slot(SlotSpec::Right, 0));
    if (output) {
        output->setImage(m_image);
    } else if (!m_image.isNone()) {
        ImagePool::global()->release(m_image);
    }
    m_image = ImageHandle {};
}

NodeDialog* Segmenter::createDialog(QWidget* parent)
{
    return new SegmenterDialog(parent, this);
}
