#include "ChannelPage.h"

#include "ChannelBlock.h"
#include "ComCenter.h"
#include "KelmarisCom.h"

#include <QComboBox>
#include <QVBoxLayout>

namespace {

constexpr int digitalOutputs = 8;
constexpr int relays = 2;

// "%1" filled with first .. first + count - 1.
QStringList numbered(const char* text, int first, unsigned count)
{
    QStringList entries;
    for (unsigned i = 0; i < count; ++i)
        entries << QObject::tr(text).arg(first + static_cast<int>(i));
    return entries;
}

} // namespace

ChannelPage::ChannelPage(ChannelBlock& block, const Entries& entries, QWidget* parent)
    : QWidget(parent), block(block), box(new QComboBox(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);
    layout->addWidget(box);
    layout->addStretch();
    box->addItem(QStringLiteral(" --- "));
    box->addItems(entries());
    box->setCurrentIndex(static_cast<int>(block.channel()));
    connect(box, &QComboBox::activated, this, &ChannelPage::channelChanged_Slot);
}

void ChannelPage::channelChanged_Slot(int index)
{
    block.setModified();
    block.setChannel(static_cast<unsigned>(index));
}

ChannelPage* ChannelPage::forDigitalOutput(ChannelBlock& block, QWidget* parent)
{
    return new ChannelPage(
        block, [] { return numbered("DO %1", 0, digitalOutputs); }, parent);
}

ChannelPage* ChannelPage::forDigitalInput(ChannelBlock& block, QWidget* parent)
{
    return new ChannelPage(
        block, [] { return numbered("DI %1", 0, robotLink().numDigitalInput()); }, parent);
}

ChannelPage* ChannelPage::forADC(ChannelBlock& block, QWidget* parent)
{
    return new ChannelPage(
        block, [] { return numbered("AIN %1", 0, robotLink().numADC()); }, parent);
}

ChannelPage* ChannelPage::forDistance(ChannelBlock& block, QWidget* parent)
{
    return new ChannelPage(
        block, [] { return numbered("Distance %1", 1, robotLink().numDistanceSensors()); }, parent);
}

ChannelPage* ChannelPage::forRelay(ChannelBlock& block, QWidget* parent)
{
    return new ChannelPage(
        block, [] { return numbered("Rel %1", 0, relays); }, parent);
}
