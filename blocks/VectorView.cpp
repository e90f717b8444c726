#include "VectorView.h"

#include "DialogRefresh.h"
#include "NodeFactory.h"
#include "SlotAccess.h"

#include <QMutexLocker>

namespace {

constexpr unsigned short vectorViewMaintype = 21;

// A missing or unreadable picture leaves none; the name is kept either way.
QPixmap pictureFrom(const QString& fileName)
{
    QPixmap picture;
    if (!fileName.isEmpty())
        picture.load(fileName);
    return picture;
}

} // namespace

VectorView::VectorView(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), inputVectors(minimumInputs)
{
}

NodeType VectorView::nodeType()
{
    static NodeType type;
    if (type.needsBuild()) {
        type = StateNode::baseType();
        type.setName(QObject::tr("Vector", "Vektor"));
        type.setFlags(4);
        type.setMaintype(vectorViewMaintype);
        type.addSubtype(QObject::tr("Vector display", "Vektor Anzeige"), QStringLiteral("vectorview.png"));
        type.addVectorSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, Vector());
        nodeFactories().insert(vectorViewMaintype, &VectorView::create);
    }
    return type;
}

StateNode* VectorView::create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id)
{
    return new VectorView(owner, canvas, type.subtype(), id);
}

void VectorView::setParameters(QMap<QString, QString> parameters)
{
    backgroundFile = parameters.value(QStringLiteral("background"));
    foregroundFile = parameters.value(QStringLiteral("foreground"));
    background = pictureFrom(backgroundFile);
    foreground = pictureFrom(foregroundFile);
}

QMap<QString, QString> VectorView::parameters() const
{
    return {{QStringLiteral("background"), backgroundFile}, {QStringLiteral("foreground"), foregroundFile}};
}

void VectorView::readInputs()
{
    // The node's mutex keeps a dialog from removing a slot while it is read.
    QMutexLocker nodeLocker(&mutex());
    QMutexLocker locker(&valuesMutex);
    inputVectors.resize(static_cast<int>(type()->leftSlotCount()));
    for (int i = 0; i < inputVectors.size(); ++i)
        inputVectors[i] = SlotAccess::vector(*this, i);
}

int VectorView::step()
{
    postDialogRefresh(*this);
    return 0;
}

QVector<Vector> VectorView::values() const
{
    QMutexLocker locker(&valuesMutex);
    return inputVectors;
}

void VectorView::resizeValues(int count)
{
    QMutexLocker locker(&valuesMutex);
    inputVectors.resize(count);
}
