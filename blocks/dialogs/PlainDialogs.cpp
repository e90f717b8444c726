// Blocks without a page of their own: their dialog is the plain one with all three
// pages, so that those with variants get the variant chooser.
#include "Abs.h"
#include "BasicMath.h"
#include "Compare.h"
#include "Const.h"
#include "ConstView.h"
#include "Exit.h"
#include "LogicInv.h"
#include "Logo2to1_0.h"
#include "Logo4to1_0.h"
#include "Logo4to1_1.h"
#include "NodeDialog.h"
#include "State.h"
#include "Value2Vector.h"
#include "Vector2Value.h"
#include "VectorScalarVector.h"

#define DRASVEL_PLAIN_DIALOG(Block)                                                                                    \
    NodeDialog* Block::createDialog(QWidget* parent)                                                                   \
    {                                                                                                                  \
        return new NodeDialog(parent, this);                                                                           \
    }

DRASVEL_PLAIN_DIALOG(Abs)
DRASVEL_PLAIN_DIALOG(BasicMath)
DRASVEL_PLAIN_DIALOG(Compare)
DRASVEL_PLAIN_DIALOG(Exit)
DRASVEL_PLAIN_DIALOG(LogicInv)
DRASVEL_PLAIN_DIALOG(Logo2to1_0)
DRASVEL_PLAIN_DIALOG(Logo4to1_0)
DRASVEL_PLAIN_DIALOG(Logo4to1_1)
DRASVEL_PLAIN_DIALOG(Value2Vector)
DRASVEL_PLAIN_DIALOG(Vector2Value)
DRASVEL_PLAIN_DIALOG(VectorScalarVector)

// Opening a constant flashes its row in the program's constants table, which the
// program window owns; the block itself opens nothing.
void Const::showDialog(QWidget*, bool restore)
{
    if (restore)
        return;
    if (State* owner = stateOwner(); owner && owner->constView())
        owner->constView()->showConst(this);
}
