#include "SegExtractor.h"

#include "ImagePool.h"
#include "ImageSizes.h"
#include "NodeFactory.h"
#include "SegExtractorDialog.h"
#include "SegImageSlot.h"
#include "Slot.h"
#include "SlotAccess.h"
#include "XKDConMultiPoints.h"
#include "XKDConSegments.h"
#include "XKDImage.h"

#include <cmath>
#include <mutex>

SegExtractor::SegExtractor(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
    SegExtractor::reset();
}

SegExtractor::~SegExtractor()
{
    deleteDialog(); // it reaches the image link
    if (!m_image.isNone() && ImagePool::global())
        ImagePool::global()->release(m_image);
}

NodeType SegExtractor::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("SegExtractor", "SegExtrahierer"));
        type.setFlags(NodeType::FunctionBlock | NodeType::ImageCycle);
        type.setMaintype(maintype);
        type.addSubtype(QObject::tr("Segment extractor", "Segmente extrahieren"), QStringLiteral("segextractor.png"));
        type.addSegImageSlot(QObject::tr("Segmented image", "Segmentiertes Bild"), SlotSpec::Input, SlotSpec::Left);
        type.addValueSlot(QObject::tr("Selected segment"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("X"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("Y"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("area", "Fläche"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("segment found", "Segment gefunden"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(maintype, &SegExtractor::create);
    }
    return type;
}

StateNode* SegExtractor::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new SegExtractor(owner, canvas, type.subtype(), id);
}

void SegExtractor::setSelectedSegment(int index)
{
    const int count = segmentCount();
    m_selectedSegment.store(index >= 0 && index < count ? index : -1);
}

void SegExtractor::setParameters(QMap<QString, QString> parameters)
{
    // Stored before the segmenter's list arrives, so only the lower bound applies here.
    const int selected = parameters.value(QStringLiteral("selectedSegment")).toInt();
    m_selectedSegment.store(selected >= 0 ? selected : -1);
    fullImageShown.store(parameters.value(QStringLiteral("fullImageShown")) == QStringLiteral("1"));
    minSegmentArea.store(parameters.value(QStringLiteral("minSegmentArea")).toInt());
}

QMap<QString, QString> SegExtractor::parameters() const
{
    return {{QStringLiteral("selectedSegment"), QString::number(m_selectedSegment.load())},
            {QStringLiteral("fullImageShown"), fullImageShown.load() ? QStringLiteral("1") : QStringLiteral("0")},
            {QStringLiteral("minSegmentArea"), QString::number(std::max(0, minSegmentArea.load()))}};
}

void SegExtractor::receive(void* data, Slot* target, Slot*)
{
    if (!data || !target || !target->isInput())
        return;
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto* list = static_cast<const SegmentList*>(data);
    if (list != &m_segments)
        m_segments = *list;
    // A selection the new list no longer has searches nothing.
    if (m_selectedSegment.load() >= int(m_segments.size()))
        m_selectedSegment.store(-1);
    lock.unlock();
    imageLink.requestUpdate(1);
}

SegmentList SegExtractor::segments() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_segments;
}

int SegExtractor::segmentCount() const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return static_cast<int>(m_segments.size());
}

void SegExtractor::reset()
{
    int width = 0;
    int height = 0;
    imageSizeOfIndex(m_sizeIndex, width, height);
    m_foundRegion = -1;
    m_region = SegmentRegion {};
    m_region.centreX = static_cast<std::uint16_t>(width / 2);
    m_region.centreY = static_cast<std::uint16_t>(height / 2);
}

void SegExtractor::readInputs()
{
    auto* input = dynamic_cast<SegImageSlot*>(slot(SlotSpec::Left, 0));
    m_image = input ? input->image() : ImageHandle {};
    Slot* selection = slot(SlotSpec::Left, 1);
    if (selection && !selection->connectedNodes().isEmpty()) {
        const int value = static_cast<int>(std::trunc(SlotAccess::value(*this, 1)));
        const int count = segmentCount();
        m_selectedSegment.store(value >= 1 && value <= count ? value - 1 : -1);
    }
}

int SegExtractor::step()
{
    if (m_image.isNone()) {
        reset();
        return 0;
    }
    XKDImage* image = ImagePool::global()->image(m_image);
    if (!image) {
        m_foundRegion = -1;
        return 0;
    }
    m_sizeIndex = m_image.sizeIndex;
    auto* result = dynamic_cast<XKDConSegments*>(image->findContainer(XKDContainer::Segments, std::string()));
    if (!result) {
        m_foundRegion = -1;
        return 0;
    }
    SegmentRegion found;
    m_foundRegion = result->largestRegion(m_selectedSegment.load(), found,
                                          static_cast<std::uint32_t>(std::max(0, minSegmentArea.load())));
    if (m_foundRegion != -1) {
        m_region = found;
        if (auto* points = dynamic_cast<XKDConMultiPoints*>(image->addContainer(XKDContainer::MultiPoints))) {
            points->points.push_back(XKDConMultiPoints::point(found.centreX, found.centreY));
            points->setName("centerofmass");
        }
    }
    imageLink.setImageCopy(m_image);
    return 0;
}

void SegExtractor::writeOutputs()
{
    int width = 0;
    int height = 0;
    imageSizeOfIndex(m_sizeIndex, width, height);
    SlotAccess::setValue(*this, 0, static_cast<float>(width / 2 - m_region.centreX));
    SlotAccess::setValue(*this, 1, static_cast<float>(height / 2 - m_region.centreY));
    SlotAccess::setValue(*this, 2, static_cast<float>(m_region.area));
    SlotAccess::setValue(*this, 3, m_foundRegion != -1 ? 1.0f : 0.0f);
    if (!m_image.isNone())
        ImagePool::global()->release(m_image);
}

NodeDialog* SegExtractor::createDialog(QWidget* parent)
{
    return new SegExtractorDialog(parent, this);
}
