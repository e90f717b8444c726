// JPEG quantisation tables, generic build.
#define QUANT_WIDEN zfmiConvert_8u16s_C1R_gn
#include "quant_build.h"
