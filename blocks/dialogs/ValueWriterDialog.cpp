#include "ValueWriterDialog.h"

#include "ShellServices.h"
#include "SlotSpec.h"
#include "ValueWriter.h"

#include <QLineEdit>

ValueWriterDialog::ValueWriterDialog(QWidget* view, ValueWriter* block)
    : ValueFileDialog(view, block, SlotSpec::Left), block(block)
{
}

QString ValueWriterDialog::chooseFile()
{
    return ShellServices::current().saveFileName(this, QStringLiteral("Choose a file"), lineEdit()->text(), QString());
}

QString ValueWriterDialog::fileName() const
{
    return block->fileName();
}

void ValueWriterDialog::setFileName(const QString& name)
{
    block->setFileName(name);
}

NodeDialog* ValueWriter::createDialog(QWidget* parent)
{
    return new ValueWriterDialog(parent, this);
}
