#include "Options.h"

#include "JoystickOptions.h"
#include "NetworkingOptions.h"
#include "OptionsContent.h"
#include "SecurityOptions.h"
#include "StepmodeOptions.h"
#include "WorkspaceSizeOptions.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

Options::Options(QWidget* parent, StateBase* program)
    : QDialog(parent)
    , m_program(program)
    , m_splitter(new QSplitter(Qt::Horizontal, this))
    , m_tree(new QTreeWidget(m_splitter))
    , m_content(new OptionsContent(m_splitter))
{
    setWindowTitle(tr("Options"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    m_splitter->setChildrenCollapsible(false);
    m_tree->setFixedWidth(150);
    m_tree->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_tree->header()->hide();
    m_tree->setRootIsDecorated(true);
    m_tree->setColumnCount(1);
    m_tree->setHeaderLabels({tr("Options")});
    m_content->setMinimumWidth(398);
    m_content->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    layout->addWidget(m_splitter, 1);
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("line"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const struct
    {
        QString text;
        void (Options::*slot)();
    } rows[] = {
        {tr("Ok"), &Options::okClicked}, {tr("Cancel"), &Options::cancelClicked}, {tr("Help"), &Options::helpClicked}};
    for (const auto& row : rows) {
        auto* button = new QPushButton(row.text, this);
        connect(button, &QPushButton::clicked, this, row.slot);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    addItem(nullptr, tr("Joysticks"), new JoystickOptions(m_content));
    QTreeWidgetItem* workspace = addItem(nullptr, tr("Workspace"), nullptr);
    addItem(workspace, tr("Size"), new WorkspaceSizeOptions(m_content, m_program));
    addItem(nullptr, tr("Stepmode"), new StepmodeOptions(m_content, m_program));
    addItem(nullptr, tr("Security"), new SecurityOptions(m_content));
    addItem(nullptr, tr("Networking"), new NetworkingOptions(m_content));
    m_tree->sortItems(0, Qt::AscendingOrder);
    for (OptionsDialog* page : std::as_const(m_pages))
        page->widget()->hide();
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &Options::selectionChanged);
    setMinimumSize(550, 300);
    resize(550, 300);
}

QTreeWidgetItem* Options::addItem(QTreeWidgetItem* parent, const QString& text, OptionsDialog* page)
{
    auto* item = parent ? new QTreeWidgetItem(parent, {text}) : new QTreeWidgetItem(m_tree, {text});
    if (page)
        m_pages.insert(item, page);
    return item;
}

QTreeWidgetItem* Options::itemByText(const QString& text) const
{
    const QList<QTreeWidgetItem*> found = m_tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

void Options::selectionChanged()
{
    m_content->showPlaceholder();
    if (OptionsDialog* page = m_pages.value(m_tree->currentItem(), nullptr))
        m_content->showPage(page);
}

void Options::okClicked()
{
    for (OptionsDialog* page : std::as_const(m_pages))
        page->apply();
    accept();
}

void Options::cancelClicked()
{
    reject();
}

void Options::helpClicked()
{
}
