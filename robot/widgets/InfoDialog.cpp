#include "InfoDialog.h"

#include "ComCenter.h"
#include "KelmarisCom.h"

#include <QGridLayout>
#include <QLabel>

const char* const InfoDialog::notAvailableText =
    "iod: 411\ncamd: 411\nserd: 411\ncom: 411\nhardware: 1\n\nInfo on camera not available.";

namespace {
// The caption the shell gives its windows.
QString caption()
{
    return QStringLiteral("KELMARIS") + QChar(0x00AE) + QStringLiteral(" View");
}
} // namespace

InfoDialog::InfoDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(caption());
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    QString info = QString::fromLatin1(robotLink().kelmarisInfo().text.c_str());
    if (info == QLatin1String("not available"))
        info = QString::fromLatin1(notAvailableText);
    label = new QLabel(info, this);
    layout->addWidget(label, 0, 0);
    setMinimumSize(300, 200);
}

QString InfoDialog::text() const
{
    return label->text();
}
