#include "NodeDialog.h"

#include "Clock.h"
#include "CustomWidget.h"
#include "DialogHost.h"
#include "EditorGeometry.h"
#include "NodeDialogUpdateEvent.h"
#include "ScaleWidget.h"
#include "SettingsWidget.h"
#include "ShellServices.h"
#include "StateNode.h"
#include "ThreadHandOver.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

namespace {

Clock* attentionClock = nullptr;

Clock& attentionTime()
{
    return attentionClock ? *attentionClock : systemClock();
}

const QColor titleColor(42, 102, 201);
const int attentionBlinks = 4;

} // namespace

NodeDialog::NodeDialog(QWidget* view, StateNode* node, QList<int> pages) : QWidget(view), m_node(node), m_view(view)
{
    setObjectName(QStringLiteral("NodeDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    if (pages.isEmpty())
        pages = {CustomPage, ScalePage, SettingsPage};
    m_pageCount = int(pages.size());
    int index = 0;
    for (int kind = CustomPage; kind <= SettingsPage; ++kind) {
        if (pages.contains(kind))
            setUpPage(kind, index++);
    }
    setWindowTitle(node->type()->name());
    for (int i = 0; i < m_pageCount; ++i)
        m_pageButtonRects.append(QRect(QPoint(3, 21 + 12 * i), QPoint(12, 30 + 12 * i)));
    setMouseTracking(true);
    setMinimumSize(6 * gridSize, 3 * gridSize);
    if (DialogHost* area = host())
        area->addDialog(this);
    node->setModified();
    m_attentionTimer = new QTimer(this);
    connect(m_attentionTimer, &QTimer::timeout, this, &NodeDialog::attentionTimerTimeout);
}

// A dialog deleted with its parent, without a close, still lets its block forget it.
NodeDialog::~NodeDialog()
{
    if (!m_closing)
        m_node->dialogClosed();
}

void NodeDialog::setUpPage(int kind, int index)
{
    m_pageKinds.insert(index, kind);
    if (m_currentPage == NoPage)
        m_currentPage = kind;
    QWidget* page = nullptr;
    if (kind == ScalePage) {
        auto* scale = new ScaleWidget(this, m_node);
        connect(scale, &ScaleWidget::mouseEnter, this, &NodeDialog::mouseEnter_Slot);
        page = scale;
    } else if (kind == SettingsPage) {
        auto* settings = new SettingsWidget(this, m_node);
        connect(settings, &SettingsWidget::nodeNameChanged, this, &NodeDialog::nodeNameChanged_Slot);
        connect(settings, &SettingsWidget::mouseEnter, this, &NodeDialog::mouseEnter_Slot);
        page = settings;
    }
    if (page) {
        page->hide();
        page->move(pageOrigin);
    }
    m_pageWidgets.insert(kind, page); // the custom page is built on the first show
}

QWidget* NodeDialog::createCustomWidget(QWidget*)
{
    return nullptr;
}

void NodeDialog::setNodeModified()
{
    m_node->setModified();
}

int NodeDialog::setSlotCount(int side, int n)
{
    const int count = int(m_node->setSlotCount(side, unsigned(std::max(n, 0))));
    rebuildScalePage();
    return count;
}

void NodeDialog::rebuildScalePage()
{
    if (auto* scale = qobject_cast<ScaleWidget*>(pageWidget(ScalePage)))
        scale->fill();
}

void NodeDialog::resizeForPage(int w, int h)
{
    resizeWidgetToGrid(this, w + 20, h + 25, false);
}

void NodeDialog::setAttentionClock(Clock* clock)
{
    attentionClock = clock;
}

void NodeDialog::showAttention()
{
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    setFocus();
    if (DialogHost* area = host())
        area->ensureDialogVisible(this);
    // A restart while blinking goes on from the blinks already done.
    m_attentionStart = attentionTime().now() - m_attentionTicks * attentionInterval;
    m_attentionTimer->start(attentionInterval);
}

bool NodeDialog::isAttentionRunning() const
{
    return m_attentionTimer->isActive();
}

// Counts the blinks by the clock rather than by timeouts, to the nearest interval, so
// a late or early timer neither skips nor repeats one.
void NodeDialog::attentionTimerTimeout()
{
    const auto elapsed = attentionTime().now() - m_attentionStart;
    const long long due = (elapsed + attentionInterval / 2) / attentionInterval;
    while (m_attentionTimer->isActive() && due > m_attentionTicks) {
        if (m_attentionTicks < attentionBlinks) {
            ++m_attentionTicks;
            m_flash = !m_flash;
        } else {
            m_attentionTicks = 0;
            m_attentionTimer->stop();
        }
    }
    update(m_title);
}

void NodeDialog::showPage(int kind)
{
    QWidget* page = pageWidget(kind);
    if (!page)
        return;
    m_currentPage = kind;
    for (QWidget* each : std::as_const(m_pageWidgets)) {
        if (each)
            each->hide();
    }
    // The page's own size is taken first: applying the new minimum may resize the
    // dialog, and with it the page. The minimum goes before the resize, so that a
    // smaller page can shrink the dialog.
    const QSize pageSize = page->size();
    const QSize hint = page->minimumSizeHint().expandedTo(page->minimumSize());
    const QPoint minimum = snapToGrid(QPoint(hint.width() + 20, hint.height() + 25), gridSize, true);
    setMinimumSize(std::max(minimum.x(), 6 * gridSize), std::max(minimum.y(), 3 * gridSize));
    resizeWidgetToGrid(this, pageSize.width() + 20, pageSize.height() + 25, true);
    page->resize(width() - 20, height() - 25);
    page->show();
    update();
}

void NodeDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_pageWidgets.contains(CustomPage)) {
        showPage(m_currentPage);
        return;
    }
    if (m_pageWidgets.value(CustomPage))
        return;
    buildCustomPage();
}

void NodeDialog::buildCustomPage()
{
    auto* page = new CustomWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setObjectName(QStringLiteral("layout"));
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(0);
    const NodeType* type = m_node->type();
    if (type->subtypeCount() > 1) {
        m_subTypeSelector = new QComboBox(page);
        m_subTypeSelector->setObjectName(QStringLiteral("subTypeSelector"));
        m_subTypeSelector->setEditable(false);
        for (unsigned i = 0; i < type->subtypeCount(); ++i)
            m_subTypeSelector->addItem(type->subtypeName(i));
        m_subTypeSelector->setCurrentIndex(int(type->subtype()));
        connect(m_subTypeSelector, &QComboBox::activated, this, &NodeDialog::subTypeSelected_Slot);
        layout->addWidget(m_subTypeSelector);
        const QSize combo = m_subTypeSelector->sizeHint();
        page->setMinimumSize(combo.width() + 12, combo.height() + 12);
    }
    if (QWidget* custom = createCustomWidget(page))
        layout->addWidget(custom);
    page->setMinimumSize(layout->sizeHint());
    page->resize(layout->sizeHint());
    m_pageWidgets.insert(CustomPage, page);
    page->move(pageOrigin);
    connect(page, &CustomWidget::mouseEnter, this, &NodeDialog::mouseEnter_Slot);
    showPage(CustomPage);
}

void NodeDialog::fitCustomPage()
{
    QWidget* page = pageWidget(CustomPage);
    if (!page || !page->layout())
        return;
    const QSize hint = page->layout()->sizeHint();
    page->setMinimumSize(hint);
    page->resize(hint);
    if (m_currentPage == CustomPage)
        showPage(CustomPage);
}

void NodeDialog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A page not shown yet keeps its own size, which showPage reads.
    QWidget* page = pageWidget(m_currentPage);
    if (page && !page->isHidden())
        page->resize(width() - 20, height() - 25);
    // The frame areas answer presses even before the first paint.
    updateLayoutRects();
    update();
}

void NodeDialog::updateLayoutRects()
{
    if (m_firstLayout) {
        m_title = QRect(QPoint(1, 1), QPoint(width() - 1, 19));
        m_grip = QRect(0, 0, 8, 8);
        m_closeBox = QRect(0, 0, 11, 11);
        m_firstLayout = false;
    }
    m_title.setRight(width() - 1);
    m_grip.moveBottomRight(QPoint(width(), height()));
    m_closeBox.moveTopRight(QPoint(width() - 3, 5));
}

void NodeDialog::paintEvent(QPaintEvent*)
{
    updateLayoutRects();
    QPainter painter(this);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(QRect(1, 1, width() - 2, height() - 2));
    painter.fillRect(m_title, m_flash ? QColor(Qt::red) : titleColor);
    painter.drawRect(m_title.adjusted(0, 0, -1, -1));
    QFont captionFont(QStringLiteral("Tahoma"));
    captionFont.setPointSize(8);
    painter.setFont(captionFont);
    painter.drawText(QRect(QPoint(4, 3), QPoint(width() - 18, 17)), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
    painter.fillRect(m_grip, Qt::black);
    const int l = m_closeBox.left(), t = m_closeBox.top(), r = m_closeBox.right(), b = m_closeBox.bottom();
    painter.drawLine(l + 2, b - 3, r - 2, t + 1);
    painter.drawLine(l + 2, b - 2, r - 1, t + 1);
    painter.drawLine(l + 3, b - 2, r - 1, t + 2);
    painter.drawLine(l + 3, t + 2, r - 1, b - 2);
    painter.drawLine(l + 2, t + 2, r - 1, b - 1);
    painter.drawLine(l + 2, t + 3, r - 2, b - 1);
    for (int i = 0; i < m_pageButtonRects.size(); ++i)
        drawPageButton(painter, m_pageButtonRects.at(i), m_pageKinds.value(i) == m_currentPage, i + 1);
}

void NodeDialog::drawPageButton(QPainter& painter, const QRect& rect, bool current, int number) const
{
    painter.setPen(current ? Qt::black : Qt::darkGray);
    painter.setBrush(current ? QColor(Qt::green) : QColor(Qt::lightGray));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(6);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(rect, Qt::AlignCenter, QString::number(number));
    painter.setBrush(Qt::NoBrush);
}

void NodeDialog::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (m_closeBox.contains(at)) {
        close();
        return;
    }
    for (int i = 0; i < m_pageButtonRects.size(); ++i) {
        if (m_pageButtonRects.at(i).contains(at)) {
            showPage(m_pageKinds.value(i));
            return;
        }
    }
    if (at.y() < titleHeight) {
        setCursor(Qt::SizeAllCursor);
        m_pressPosition = at;
        m_dragMode = Moving;
    } else if (m_grip.contains(at, true)) {
        m_dragMode = Resizing;
        setCursor(Qt::SizeFDiagCursor);
    } else {
        m_dragMode = NotDragging;
    }
    raise();
}

void NodeDialog::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    switch (m_dragMode) {
    case Moving:
        dragTo(at);
        m_node->setModified();
        m_dragged = true;
        break;
    case Resizing:
        resizeWidgetToGrid(this, at.x(), at.y(), false);
        m_node->setModified();
        break;
    default: setCursor(m_grip.contains(at, true) ? Qt::SizeFDiagCursor : Qt::ArrowCursor); break;
    }
}

// Without a dialog area to show an outline, the dialog itself follows on the grid.
void NodeDialog::dragTo(const QPoint& mouse)
{
    if (DialogHost* area = host()) {
        area->dragDialog(this, mouse.x(), mouse.y(), m_pressPosition.x(), m_pressPosition.y());
        return;
    }
    QPoint target = pos() - m_pressPosition + mouse;
    if (QWidget* parent = parentWidget()) {
        target.setX(std::clamp(target.x(), 0, std::max(0, parent->width() - width())));
        target.setY(std::clamp(target.y(), 0, std::max(0, parent->height() - height())));
    }
    move(snapToGrid(target, gridSize));
}

void NodeDialog::mouseReleaseEvent(QMouseEvent*)
{
    if (m_dragged) {
        m_dragged = false;
        if (DialogHost* area = host())
            area->dropDialog(this);
    }
    m_dragMode = NotDragging;
    setCursor(Qt::ArrowCursor);
}

void NodeDialog::mouseDoubleClickEvent(QMouseEvent*)
{
    m_node->startAttention();
}

void NodeDialog::mouseEnter_Slot()
{
    setCursor(Qt::ArrowCursor);
}

void NodeDialog::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    currentHelpContext = m_node->type()->helpId();
}

void NodeDialog::customEvent(QEvent* event)
{
    receiveHandOver(event);
    if (event->type() != NodeDialogUpdateEvent::eventType || m_closing)
        return;
    QWidget* page = pageWidget(CustomPage);
    if (!page)
        return;
    emit updateCustomWidget(static_cast<NodeDialogUpdateEvent*>(event)->id());
    page->update();
}

void NodeDialog::subTypeSelected_Slot(int index)
{
    m_node->setSubtype(index);
    m_node->setModified();
    currentHelpContext = m_node->type()->helpId();
    rebuildScalePage();
    emit subTypeChanged(index);
}

void NodeDialog::nodeNameChanged_Slot()
{
    setWindowTitle(m_node->type()->name());
    m_node->setModified();
    update(m_title);
}

void NodeDialog::closeEvent(QCloseEvent* event)
{
    m_node->setModified();
    m_closing = true;
    leaveHost();
    m_node->dialogClosed();
    event->accept();
}

void NodeDialog::closeForBlockDeletion()
{
    m_closing = true;
    leaveHost();
    delete this;
}

void NodeDialog::leaveHost()
{
    if (DialogHost* area = host())
        area->removeDialog(this);
}

DialogHost* NodeDialog::host() const
{
    for (QWidget* up = m_view; up; up = up->parentWidget()) {
        if (auto* area = dynamic_cast<DialogHost*>(up))
            return area;
    }
    return nullptr;
}
