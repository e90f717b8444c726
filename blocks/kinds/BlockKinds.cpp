#include "BlockKinds.h"

#include "FunctionBlocks.h"
#include "RobotBlocks.h"
#include "VisionBlocks.h"

void registerBlockKinds()
{
    registerFunctionBlocks();
    registerRobotBlocks();
    registerVisionBlocks();
}
