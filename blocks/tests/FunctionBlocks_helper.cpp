// Every block kind is known before the first test; the shared test application runs this.
#include "FunctionBlocks.h"
#include "qapplication_helper.h"

namespace {

const bool registered = (addApplicationStartup(registerFunctionBlocks), true);

} // namespace
