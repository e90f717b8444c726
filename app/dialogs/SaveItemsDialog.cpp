#include "SaveItemsDialog.h"

#include "AppGlobals.h"
#include "ChartSupport.h"
#include "StateBase.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

SaveItemsDialog::SaveItemsDialog(QWidget* parent, QList<StateBase*> documents, bool showNo)
    : QDialog(parent), m_table(new QTableWidget(0, 2, this))
{
    setWindowTitle(applicationTitle);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(new QLabel(tr("Save changes to the following items?"), this));
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->setShowGrid(false);
    m_table->setColumnWidth(0, 20);
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table);
    for (StateBase* document : documents) {
        if (document->kind() != StateBase_t::Chart)
            continue;
        addRow(document, QString());
        for (StateBase* program : ChartSupport::current().statesToSave(document))
            addRow(program, QStringLiteral("   "));
    }
    for (StateBase* document : documents) {
        if (!m_rowOf.contains(document))
            addRow(document, QString());
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_yes = new QPushButton(QCoreApplication::translate("QObject", "Yes"), this);
    buttons->addWidget(m_yes);
    connect(m_yes, &QPushButton::clicked, this, &SaveItemsDialog::yesClicked);
    if (showNo) {
        m_no = new QPushButton(QCoreApplication::translate("QObject", "No"), this);
        buttons->addWidget(m_no);
        connect(m_no, &QPushButton::clicked, this, &SaveItemsDialog::noClicked);
    }
    m_cancel = new QPushButton(QCoreApplication::translate("QObject", "Cancel"), this);
    buttons->addWidget(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, &SaveItemsDialog::cancelClicked);
    layout->addLayout(buttons);
    m_cancel->setFocus();
    m_cancel->setDefault(true);
}

void SaveItemsDialog::addRow(StateBase* document, const QString& indent)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto* check = new QTableWidgetItem;
    check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    check->setCheckState(Qt::Checked);
    m_table->setItem(row, 0, check);
    auto* name = new QTableWidgetItem(indent + document->displayName());
    name->setFlags(Qt::ItemIsEnabled);
    m_table->setItem(row, 1, name);
    // A program listed under two charts: its last row decides.
    m_rowOf.insert(document, row);
    m_documentOf.insert(row, document);
}

void SaveItemsDialog::setReadOnly(bool on)
{
    for (int row = 0; row < m_table->rowCount(); ++row)
        m_table->item(row, 0)->setFlags(on ? Qt::NoItemFlags : (Qt::ItemIsEnabled | Qt::ItemIsUserCheckable));
    m_cancel->setFocus();
}

void SaveItemsDialog::setChecked(int row, bool on)
{
    m_table->item(row, 0)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

QList<StateBase*> SaveItemsDialog::checkedItems() const
{
    QList<StateBase*> programs;
    QList<StateBase*> charts;
    for (auto it = m_rowOf.cbegin(); it != m_rowOf.cend(); ++it) {
        if (m_table->item(it.value(), 0)->checkState() != Qt::Checked)
            continue;
        (it.key()->kind() == StateBase_t::Chart ? charts : programs).append(it.key());
    }
    return programs + charts;
}

void SaveItemsDialog::yesClicked()
{
    done(Yes);
}

void SaveItemsDialog::noClicked()
{
    done(No);
}

void SaveItemsDialog::cancelClicked()
{
    done(Cancel);
}

void SaveItemsDialog::reject()
{
    // Escape and the window's close button mean Cancel, never Yes.
    done(Cancel);
}
