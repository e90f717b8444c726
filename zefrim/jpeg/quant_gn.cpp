// JPEG quantisation tables, generic build.
#define QUANT_BUILD_NAME(name) name##_gn
#define QUANT_WIDEN zfmiConvert_8u16s_C1R_gn
#include "quant_build.h"
