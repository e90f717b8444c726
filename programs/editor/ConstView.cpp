#include "ConstView.h"

#include "Node.h"
#include "ShellServices.h"
#include "State.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QTimer>

namespace {

const QString valueKey = QStringLiteral("value");

QString valueText(const Node* block)
{
    const float value = block->parameters().value(valueKey).toFloat();
    return QString::number(value, 'g', 6);
}

} // namespace

ConstView::ConstView(QWidget* parent, ::State* program) : QTableWidget(0, 2, parent), m_program(program)
{
    setHorizontalHeaderLabels({tr("Name"), tr("Value")});
    horizontalHeader()->setFixedHeight(headerHeight);
    setColumnWidth(0, 70);
    setColumnWidth(1, 40);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    // A double click points at the block; typing edits.
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    QPalette red = palette();
    red.setColor(QPalette::Highlight, Qt::red);
    setPalette(red);
    m_attentionTimer = new QTimer(this);
    connect(m_attentionTimer, &QTimer::timeout, this, &ConstView::attentionTimerTimeout);
    connect(this, &QTableWidget::cellChanged, this, &ConstView::valueChanged_Slot);
    connect(this, &QTableWidget::cellClicked, this, &ConstView::clicked_Slot);
    connect(this, &QTableWidget::cellDoubleClicked, this, &ConstView::doubleClicked_Slot);
    if (program) {
        for (Node* block : program->constNodes())
            addConst(block);
    }
}

void ConstView::fillRow(int row, Node* block)
{
    const QSignalBlocker blocker(this);
    setItem(row, 0, new QTableWidgetItem(block->type()->name()));
    setItem(row, 1, new QTableWidgetItem(valueText(block)));
}

void ConstView::addConst(Node* block)
{
    if (!block || m_consts.contains(block))
        return;
    {
        const QSignalBlocker blocker(this);
        insertRow(0);
    }
    m_consts.prepend(block);
    fillRow(0, block);
    // However the block goes, its row goes with it.
    connect(block, &QObject::destroyed, this, [this, block] { removeConst(block); });
}

void ConstView::updateConst(Node* block)
{
    const int row = static_cast<int>(m_consts.indexOf(block));
    if (row >= 0)
        fillRow(row, block);
}

void ConstView::removeConst(Node* block)
{
    const int row = static_cast<int>(m_consts.indexOf(block));
    if (row < 0)
        return;
    const QSignalBlocker blocker(this);
    removeRow(row);
    m_consts.removeAt(row);
}

void ConstView::showConst(Node* block)
{
    const int row = static_cast<int>(m_consts.indexOf(block));
    if (row < 0)
        return;
    m_attentionRow = row;
    scrollToItem(item(row, 0), QAbstractItemView::PositionAtTop);
    m_attentionTimer->start(attentionInterval);
}

void ConstView::attentionTimerTimeout()
{
    if (m_attentionTicks >= 4) {
        m_attentionTicks = 0;
        m_attentionTimer->stop();
    } else if (m_attentionTicks % 2 == 1) {
        clearSelection();
        ++m_attentionTicks;
    } else {
        selectRow(m_attentionRow);
        ++m_attentionTicks;
    }
}

void ConstView::valueChanged_Slot(int row, int column)
{
    if (row < 0 || row >= m_consts.size())
        return;
    Node* block = m_consts.at(row);
    QTableWidgetItem* cell = item(row, column);
    const QString text = cell ? cell->text() : QString();
    const QSignalBlocker blocker(this);
    if (column != 0) {
        bool number = false;
        float value = text.trimmed().toFloat(&number);
        if (!number) {
            value = 0.0f;
            if (cell)
                cell->setText(QStringLiteral("0.0"));
        }
        QMap<QString, QString> parameters = block->parameters();
        parameters.insert(valueKey, QString::number(value, 'g', 6));
        block->setParameters(parameters);
    } else if (!text.isEmpty()) {
        block->setName(text);
    } else if (cell) {
        cell->setText(block->type()->name());
    }
    if (m_program)
        m_program->setModified();
}

void ConstView::clicked_Slot(int, int)
{
}

void ConstView::doubleClicked_Slot(int row, int)
{
    if (row >= 0 && row < m_consts.size())
        m_consts.at(row)->startAttention();
}

void ConstView::enterEvent(QEnterEvent* event)
{
    currentHelpContext = constHelpContext;
    QTableWidget::enterEvent(event);
}
