#include "dialog_helper.h"

#include "NodeDialog.h"
#include "State.h"
#include "StateManager.h"

#include <QCoreApplication>
#include <QMouseEvent>

void DialogTest::SetUp()
{
    registerTestBlocks();
    area.resize(2000, 2000);
    area.show();
    manager = new StateManager;
    program = loadProgram(
        *manager, workspace::model(workspace::node(1, RecordingBlock::kind, 60, 60, QStringLiteral("Recorder"))));
    ASSERT_NE(program, nullptr);
    program->viewAdded();
    block = static_cast<RecordingBlock*>(program->nodes().first());
}

void DialogTest::TearDown()
{
    if (program) {
        manager->remove(program);
        delete program;
    }
    delete manager;
    settle();
}

NodeDialog* DialogTest::openDialog()
{
    block->showDialog(&area, false);
    return block->dialog();
}

void DialogTest::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

namespace {

void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

void DialogTest::press(QWidget* widget, const QPoint& at, Qt::MouseButton button)
{
    sendMouse(widget, QEvent::MouseButtonPress, at, button, button);
}

void DialogTest::moveMouse(QWidget* widget, const QPoint& at, Qt::MouseButtons buttons)
{
    sendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, buttons);
}

void DialogTest::release(QWidget* widget, const QPoint& at)
{
    sendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}
