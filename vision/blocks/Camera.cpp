#include "Camera.h"

#include "CameraCenter.h"
#include "CameraDialog.h"
#include "CameraIntake.h"
#include "ImagePool.h"
#include "ImageSlot.h"
#include "NodeFactory.h"
#include "Slot.h"
#include "StateBase.h"

Camera::Camera(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype))
    , cameraParameters(*CameraCenter::current().parameters())
{
}

Camera::~Camera()
{
    deleteDialog(); // it reaches the image link
    if (programRunning())
        deactivate();
}

NodeType Camera::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Camera", "Kamera"));
        type.setFlags(NodeType::FunctionBlock | NodeType::ImageCycle);
        type.setMaintype(maintype);
        type.addSubtype(QObject::tr("Camera", "Kamera"), QStringLiteral("camera.png"));
        type.addImageSlot(QObject::tr("O%1", "Output slot").arg(1), SlotSpec::Output, SlotSpec::Right);
        nodeFactories().insert(maintype, &Camera::create);
    }
    return type;
}

StateNode* Camera::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new Camera(owner, canvas, type.subtype(), id);
}

bool Camera::programRunning() const
{
    return owner() && owner()->isRunning();
}

void Camera::setColorFormat(int format)
{
    if (format < ColorFormat_t::RGB || format > ColorFormat_t::HLS)
        return;
    if (programRunning()) {
        deactivate();
        m_colorFormat.store(static_cast<ColorFormat_t::colorFormat_t>(format));
        activate();
    } else {
        m_colorFormat.store(static_cast<ColorFormat_t::colorFormat_t>(format));
    }
}

void Camera::setParameters(QMap<QString, QString> parameters)
{
    bool ok = false;
    const int format = parameters.value(QStringLiteral("colorFormat")).toInt(&ok);
    if (ok)
        setColorFormat(format);
    cameraParameters.imageSize = static_cast<int>(parameters.value(QStringLiteral("imageSize")).toUInt());
    cameraParameters.imageQuality = static_cast<int>(parameters.value(QStringLiteral("imageQuality")).toUInt());
    CameraCenter& center = CameraCenter::current();
    // The hub stores, sends to the robot and tells the open camera dialogs.
    center.parameterChanged_Slot(cameraParameters);
}

QMap<QString, QString> Camera::parameters() const
{
    return {{QStringLiteral("colorFormat"), QString::number(colorFormat())},
            {QStringLiteral("imageSize"), QString::number(cameraParameters.imageSize)},
            {QStringLiteral("imageQuality"), QString::number(cameraParameters.imageQuality)}};
}

void Camera::start()
{
    CameraCenter::current().addUser(colorFormat());
}

void Camera::stop()
{
    CameraCenter::current().removeUser(colorFormat());
}

void Camera::writeOutputs()
{
    CameraIntake* intake = CameraIntake::current();
    const ImageHandle handle = intake ? intake->image(colorFormat()) : ImageHandle {};
    Slot* output = slot(SlotSpec::Right, 0);
    ImageSlot* imageOutput = output ? output->toImageSlot() : nullptr;
    if (!handle.isNone() && imageLink.isAttached())
        imageLink.setImageCopy(handle);
    if (imageOutput) {
        imageOutput->setImage(handle);
    } else if (!handle.isNone()) {
        ImageHandle owned = handle;
        ImagePool::global()->release(owned);
    }
}

NodeDialog* Camera::createDialog(QWidget* parent)
{
    return new CameraDialog(parent, this);
}
