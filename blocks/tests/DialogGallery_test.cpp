// Renders every block kind's dialog, each of its pages, into PNG files in the build
// folder, so that the dialogs can be looked at without a display.
#include "BlockDialog_helper.h"

#include "BlockClock.h"
#include "ManualClock.h"
#include "NodeDialog.h"
#include "Scope.h"
#include "ScopeDialog.h"
#include "State.h"
#include "StateNode.h"

#include <QDir>

#include <QImage>
#include <QRegularExpression>
#include <cmath>

namespace {

using DialogGallery = BlockDialogTest;

QString fileFor(const StateNode* block, int pageIndex)
{
    QString name = block->type()->name();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]+")), QStringLiteral("_"));
    return QStringLiteral("%1/%2_%3_page%4.png")
        .arg(QStringLiteral(DRASVEL_DIALOG_GALLERY))
        .arg(block->type()->maintype(), 2, 10, QLatin1Char('0'))
        .arg(name)
        .arg(pageIndex + 1);
}

// The scope once more with every panel open, beside a screen that shows traces.
void saveScopeWithPanels(ScopeDialog* dialog, StateNode* block)
{
    auto* scope = static_cast<Scope*>(block);
    for (int k = 0; k < 150; ++k) {
        scope->buffers[0].push({float(std::sin(k / 8.0)), 20, true});
        scope->buffers[1].push({float((k % 40) / 40.0 - 0.5), 20, true});
    }
    scope->trigger[1] = 1;
    scope->triggerLevel[1] = 1.0f;
    scope->positionY[2] = -2.0f;
    dialog->showPage(NodeDialog::CustomPage);
    for (int c = 0; c < Scope::channels; ++c)
        dialog->showChannelPanel(c, true);
    dialog->showTimePanel(true);
    dialog->resize(dialog->width(), dialog->height() + 100);
    EXPECT_TRUE(dialog->grab().save(fileFor(block, 0).replace(QStringLiteral("page1"), QStringLiteral("panels"))));
}

TEST_F(DialogGallery, EveryKindEveryPage)
{
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(DRASVEL_DIALOG_GALLERY)));
    run = std::make_unique<ProgramRun>(QStringLiteral("allkinds.kdw"));
    ASSERT_TRUE(run->loaded());
    run->run(30);
    int pictures = 0;
    for (Node* node : run->state().nodes()) {
        auto* block = dynamic_cast<StateNode*>(node);
        ASSERT_NE(block, nullptr);
        block->showDialog(&area, false);
        NodeDialog* dialog = block->dialog();
        if (!dialog)
            continue; // the constant is edited in the constants table
        dialog->move(0, 0);
        QCoreApplication::processEvents();
        for (int i = 0; i < dialog->pageCount(); ++i) {
            dialog->showPage(dialog->pageKindAt(i));
            const QImage picture = dialog->grab().toImage();
            EXPECT_GE(picture.width(), 120) << qPrintable(fileFor(block, i));
            EXPECT_TRUE(picture.save(fileFor(block, i))) << qPrintable(fileFor(block, i));
            ++pictures;
        }
        if (auto* scope = qobject_cast<ScopeDialog*>(dialog))
            saveScopeWithPanels(scope, block);
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_GE(pictures, 27 * 2);
}

// The display blocks once more while a program feeds them.
TEST_F(DialogGallery, DisplaysWithData)
{
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(DRASVEL_DIALOG_GALLERY)));
    ManualClock clock;
    BlockClock::setClock(&clock);
    run = std::make_unique<ProgramRun>(QStringLiteral("display.kdw"));
    ASSERT_TRUE(run->loaded());
    QStringList lines;
    for (int k = 0; k < 120; ++k)
        lines << QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(std::sin(k / 6.0))
                     .arg(2.0 * std::cos(k / 9.0))
                     .arg((k % 30) / 15.0 - 1.0)
                     .arg(k / 40.0);
    run->writeInput(lines);
    for (unsigned short kind : {2, 21}) {
        for (Node* node : run->state().nodes()) {
            if (node->type()->maintype() == kind)
                static_cast<StateNode*>(node)->showDialog(&area, false);
        }
    }
    for (int cycle = 0; cycle < 120; ++cycle) {
        clock.advance(std::chrono::milliseconds(20));
        run->run(1);
    }
    QCoreApplication::processEvents();
    for (Node* node : run->state().nodes()) {
        auto* block = static_cast<StateNode*>(node);
        NodeDialog* dialog = block->dialog();
        if (!dialog)
            continue;
        dialog->resize(dialog->width() + 100, dialog->height() + 100);
        QCoreApplication::processEvents();
        EXPECT_TRUE(dialog->grab().save(fileFor(block, 0).replace(QStringLiteral("page1"), QStringLiteral("running"))));
        dialog->close();
    }
    run.reset();
    BlockClock::setClock(nullptr);
}

} // namespace
