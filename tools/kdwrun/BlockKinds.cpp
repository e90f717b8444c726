#include "BlockKinds.h"

#ifdef DRASVEL_HAVE_FUNCTION_BLOCKS
#include "FunctionBlocks.h"
#endif

void registerBlockKinds()
{
    // Each block library registers its kinds here, once it is part of the build.
#ifdef DRASVEL_HAVE_FUNCTION_BLOCKS
    registerFunctionBlocks();
#endif
}
