#include "VectorView.h"

#include "BlockKind.h"
#include "DialogRefresh.h"
#include "FileOpening.h"
#include "SlotAccess.h"

#include <mutex>

namespace {

constexpr unsigned short vectorViewMaintype = 21;

// A missing or unreadable picture, or a name that is no regular file, leaves none; the
// name is kept either way.
QPixmap pictureFrom(const QString& fileName)
{
    QPixmap picture;
    picture.loadFromData(FileOpening::regularFileContent(fileName));
    return picture;
}

} // namespace

VectorView::VectorView(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id)
    : StateNode(owner, canvas, id, nodeType().withSubtype(subtype)), m_inputVectors(minimumInputs)
{
}

NodeType VectorView::nodeType()
{
    return describeBlockKind<VectorView>([](NodeType& type) {
        type.setName(QObject::tr("Vector", "Vektor"));
        type.setFlags(NodeType::EngineCycle);
        type.setMaintype(vectorViewMaintype);
        type.addSubtype(QObject::tr("Vector display", "Vektor Anzeige"), QStringLiteral("vectorview.png"));
        type.addVectorSlot(QObject::tr("I%1", "Input channel").arg(1), SlotSpec::Input, SlotSpec::Left, Vector());
    });
}

void VectorView::setParameters(QMap<QString, QString> parameters)
{
    m_backgroundFile = parameters.value(QStringLiteral("background"));
    m_foregroundFile = parameters.value(QStringLiteral("foreground"));
    // Only the dialog draws them: they load when it first asks, not while a file opens.
    m_background.reset();
    m_foreground.reset();
}

const QPixmap& VectorView::backgroundPixmap() const
{
    if (!m_background)
        m_background = pictureFrom(m_backgroundFile);
    return *m_background;
}

const QPixmap& VectorView::foregroundPixmap() const
{
    if (!m_foreground)
        m_foreground = pictureFrom(m_foregroundFile);
    return *m_foreground;
}

QMap<QString, QString> VectorView::parameters() const
{
    return {{QStringLiteral("background"), m_backgroundFile}, {QStringLiteral("foreground"), m_foregroundFile}};
}

void VectorView::readInputs()
{
    // The node's mutex keeps a dialog from removing a slot while it is read.
    const std::lock_guard nodeLocker(mutex());
    const std::lock_guard locker(m_valuesMutex);
    m_inputVectors.resize(static_cast<int>(type()->leftSlotCount()));
    for (int i = 0; i < m_inputVectors.size(); ++i)
        m_inputVectors[i] = SlotAccess::vector(*this, i);
}

int VectorView::step()
{
    postDialogRefresh(*this);
    return 0;
}

QVector<Vector> VectorView::values() const
{
    const std::lock_guard locker(m_valuesMutex);
    // A deep copy: a shared copy would leave the cycle's next write to detach it through
    // the reference count alone, outside the lock.
    return QVector<Vector>(m_inputVectors.cbegin(), m_inputVectors.cend());
}

void VectorView::resizeValues(int count)
{
    const std::lock_guard locker(m_valuesMutex);
    m_inputVectors.resize(count);
}
