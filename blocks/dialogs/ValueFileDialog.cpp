#include "ValueFileDialog.h"

#include "EmbeddedImages.h"
#include "StateNode.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

ValueFileDialog::ValueFileDialog(QWidget* view, StateNode* block, int channelSide)
    : NodeDialog(view, block), channelSide(channelSide)
{
}

QWidget* ValueFileDialog::createCustomWidget(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    channelBox = new QSpinBox(page);
    channelBox->setRange(minimumChannels, maximumChannels);
    channelBox->setSingleStep(1);
    channelBox->setValue(int(node()->type()->slotCount(channelSide)));
    connect(channelBox, &QSpinBox::valueChanged, this, &ValueFileDialog::valueChanged);
    layout->addWidget(channelBox);
    auto* fileRow = new QHBoxLayout;
    fileEdit = new QLineEdit(fileName(), page);
    fileRow->addWidget(fileEdit);
    browse = new QToolButton(page);
    QPixmap picture = EmbeddedImages::pixmap(QStringLiteral("fileopen.xpm"));
    browse->setIcon(picture.isNull() ? QApplication::style()->standardIcon(QStyle::SP_DialogOpenButton)
                                     : QIcon(picture));
    fileRow->addWidget(browse);
    layout->addLayout(fileRow);
    connect(browse, &QToolButton::clicked, this, &ValueFileDialog::on_browseButton_clicked);
    connect(fileEdit, &QLineEdit::textChanged, this, &ValueFileDialog::on_lineEdit_textChanged);
    return page;
}

// The values lock is not taken here: the slot change takes the program's step lock,
// which the cycle holds before the values lock, so taking them the other way round
// could deadlock. The cycle sizes the values from the slots itself.
void ValueFileDialog::valueChanged(int n)
{
    const int count = setSlotCount(channelSide, n);
    {
        const QSignalBlocker blocker(channelBox);
        channelBox->setValue(count);
    }
    setNodeModified();
}

void ValueFileDialog::on_browseButton_clicked()
{
    const QString chosen = chooseFile();
    if (!chosen.isEmpty())
        fileEdit->setText(chosen);
}

void ValueFileDialog::on_lineEdit_textChanged(const QString& text)
{
    setFileName(text);
    setNodeModified();
}
