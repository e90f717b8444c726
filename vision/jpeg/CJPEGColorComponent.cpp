#include "CJPEGColorComponent.h"

#include "zefrim/generic.h"

CJPEGColorComponent::~CJPEGColorComponent()
{
    zfmsFree_gn(plane);
    zfmsFree_gn(work);
    zfmsFree_gn(line);
}
