#include "LineDetector.h"

#include "ImagePool.h"
#include "ImageSlot.h"
#include "LineDetectorDialog.h"
#include "NodeFactory.h"
#include "Slot.h"
#include "SlotAccess.h"
#include "XKDConMultiPoints.h"
#include "XKDImage.h"

LineDetector::LineDetector(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
{
}

LineDetector::~LineDetector()
{
    deleteDialog(); // it reaches the image link
}

NodeType LineDetector::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("LineDetector", "LinienErkenner"));
        type.setFlags(NodeType::FunctionBlock | NodeType::ImageCycle);
        type.setMaintype(maintype);
        type.addSubtype(QObject::tr("Line detector", "Linien Erkenner"), QStringLiteral("linedetector.png"));
        type.addImageSlot(QObject::tr("image", "Bild"), SlotSpec::Input, SlotSpec::Left);
        type.addValueSlot(QObject::tr("Threshold"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("EdgeType"), SlotSpec::Input, SlotSpec::Left, 0.0f);
        type.addValueSlot(QObject::tr("LineX"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        type.addValueSlot(QObject::tr("Line found"), SlotSpec::Output, SlotSpec::Right, 0.0f);
        nodeFactories().insert(maintype, &LineDetector::create);
    }
    return type;
}

StateNode* LineDetector::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new LineDetector(owner, canvas, type.subtype(), id);
}

void LineDetector::setEdgeType(int value)
{
    edgeType.store(value != 0 ? 1 : 0);
}

void LineDetector::setParameters(QMap<QString, QString> parameters)
{
    bool ok = false;
    const int height = parameters.value(QStringLiteral("searchHeight")).toInt(&ok);
    if (ok)
        searchHeight.store(height);
    if (searchHeight.load() < 0 || searchHeight.load() > maximumSearchHeight)
        searchHeight.store(defaultSearchHeight);
    const int type = parameters.value(QStringLiteral("edgeType")).toInt(&ok);
    if (ok)
        setEdgeType(type);
}

QMap<QString, QString> LineDetector::parameters() const
{
    return {{QStringLiteral("fullImageShown"), m_fullImageShown ? QStringLiteral("1") : QStringLiteral("0")},
            {QStringLiteral("searchHeight"), QString::number(searchHeight.load())},
            {QStringLiteral("edgeType"), QString::number(edgeType.load())}};
}

void LineDetector::reset()
{
    m_threshold = 0;
    m_lineColumn = -1;
    m_lineX = 0;
}

void LineDetector::readInputs()
{
    Slot* input = slot(SlotSpec::Left, 0);
    ImageSlot* imageInput = input ? input->toImageSlot() : nullptr;
    m_inputImage = imageInput ? imageInput->image() : ImageHandle {};
    m_threshold = SlotAccess::rounded(*this, 1);
    Slot* edgeInput = slot(SlotSpec::Left, 2);
    if (edgeInput && !edgeInput->connectedNodes().isEmpty())
        setEdgeType(SlotAccess::rounded(*this, 2));
}

int LineDetector::step()
{
    if (m_inputImage.isNone()) {
        reset();
        return 0;
    }
    ImagePool* pool = ImagePool::global();
    const XKDImage* image = pool->image(m_inputImage);
    if (image && m_edgeImage.compute(*image, m_threshold)) {
        const int height = image->height();
        m_lineColumn = m_edgeImage.findEdgeColumn(height - searchHeight.load() - 1, height - 1, edgeType.load() == 0);
        if (m_lineColumn != -1)
            m_lineX = m_lineColumn - image->width() / 2;
        if (imageLink.isAttached())
            handDisplayImage(m_inputImage.sizeIndex);
    } else {
        m_lineColumn = -1;
    }
    pool->release(m_inputImage);
    return 0;
}

void LineDetector::writeOutputs()
{
    SlotAccess::setValue(*this, 0, static_cast<float>(m_lineX));
    SlotAccess::setValue(*this, 1, m_lineColumn != -1 ? 1.0f : 0.0f);
}

NodeDialog* LineDetector::createDialog(QWidget* parent)
{
    return new LineDetectorDialog(parent, this);
}

void LineDetector::handDisplayImage(unsigned sizeIndex)
{
    ImagePool* pool = ImagePool::global();
    const ImageHandle display = pool->acquire(sizeIndex);
    XKDImage* image = pool->image(display);
    if (!image)
        return;
    m_edgeImage.toImage(*image);
    if (m_lineColumn != -1) {
        if (auto* line = dynamic_cast<XKDConMultiPoints*>(image->container(XKDContainer::MultiPoints, "line")))
            line->points.push_back(XKDConMultiPoints::point(unsigned(m_lineColumn), unsigned(image->height() - 10)));
    }
    imageLink.setImage(display);
}
