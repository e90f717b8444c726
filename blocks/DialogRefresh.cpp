#include "DialogRefresh.h"

#include "StateNode.h"

#if __has_include("NodeDialog.h") && __has_include("NodeDialogUpdateEvent.h")
#include "NodeDialog.h"
#include "NodeDialogUpdateEvent.h"

#include <QCoreApplication>

void postDialogRefresh(StateNode& block)
{
    if (NodeDialog* dialog = block.dialog())
        QCoreApplication::postEvent(dialog, new NodeDialogUpdateEvent(0));
}
#else
// Without the block-dialog base no block has a dialog to refresh.
void postDialogRefresh(StateNode&)
{
}
#endif
