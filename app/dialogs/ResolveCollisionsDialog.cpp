#include "ResolveCollisionsDialog.h"

#include "AppGlobals.h"
#include "StateBase.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ResolveCollisionsDialog::ResolveCollisionsDialog(QWidget* parent, QList<StateBase*> charts)
    : QDialog(parent), m_table(new QTableWidget(static_cast<int>(charts.size()), 1, this))
{
    setWindowTitle(applicationTitle);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(new QLabel(tr("The execution collides with currently running items.\n"
                                    "Do you want to stop execution of the listed items and start execution?"),
                                 this));
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->setShowGrid(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < charts.size(); ++row) {
        auto* name = new QTableWidgetItem(charts.at(row)->displayName());
        name->setFlags(Qt::ItemIsEnabled);
        m_table->setItem(row, 0, name);
    }
    layout->addWidget(m_table);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const struct
    {
        const char* text;
        void (ResolveCollisionsDialog::*slot)();
    } rows[] = {{"Yes", &ResolveCollisionsDialog::yesClicked},
                {"No", &ResolveCollisionsDialog::noClicked},
                {"Cancel", &ResolveCollisionsDialog::cancelClicked}};
    QPushButton* last = nullptr;
    for (const auto& row : rows) {
        last = new QPushButton(QCoreApplication::translate("QObject", row.text), this);
        connect(last, &QPushButton::clicked, this, row.slot);
        buttons->addWidget(last);
    }
    layout->addLayout(buttons);
    last->setFocus();
    last->setDefault(true);
}
