#include "DialogRefresh.h"

#include "NodeDialogUpdateEvent.h"
#include "StateNode.h"
#include "ThreadHandOver.h"

#include <QCoreApplication>

void postDialogRefresh(StateNode& block)
{
    if (block.dialog())
        postHandOver(&block, new NodeDialogUpdateEvent(0));
}
