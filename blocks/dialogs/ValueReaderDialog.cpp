#include "ValueReaderDialog.h"

#include "ShellServices.h"
#include "SlotSpec.h"
#include "ValueReader.h"

#include <QLineEdit>

ValueReaderDialog::ValueReaderDialog(QWidget* view, ValueReader* block)
    : ValueFileDialog(view, block, SlotSpec::Right), block(block)
{
}

QString ValueReaderDialog::chooseFile()
{
    return ShellServices::current().openFileName(this, QStringLiteral("Choose a file"), lineEdit()->text(), QString());
}

QString ValueReaderDialog::fileName() const
{
    return block->fileName();
}

void ValueReaderDialog::setFileName(const QString& name)
{
    block->setFileName(name);
}

NodeDialog* ValueReader::createDialog(QWidget* parent)
{
    return new ValueReaderDialog(parent, this);
}
