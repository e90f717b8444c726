#include "PropertiesDialog.h"

#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>

PropertiesDialog::PropertiesDialog(QWidget* parent, const QString& caption, const QString& text)
    : QDialog(parent), m_editor(new QPlainTextEdit(text, this))
{
    setWindowTitle(caption);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(6);
    grid->addWidget(m_editor, 0, 0, 1, 2);
    auto* ok = new QPushButton(tr("Ok"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    grid->addWidget(ok, 1, 0);
    grid->addWidget(cancel, 1, 1);
    connect(ok, &QPushButton::clicked, this, &PropertiesDialog::ok_clicked);
    connect(cancel, &QPushButton::clicked, this, &PropertiesDialog::cancel_clicked);
    if (parent)
        resize(parent->width() / 2, parent->height() / 2);
}

QString PropertiesDialog::text() const
{
    return m_editor->toPlainText();
}
