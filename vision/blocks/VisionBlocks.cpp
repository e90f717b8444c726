#include "VisionBlocks.h"

#include "Camera.h"
#include "LineDetector.h"
#include "SegExtractor.h"
#include "Segmenter.h"

void registerVisionBlocks()
{
    Camera::nodeType();
    Segmenter::nodeType();
    SegExtractor::nodeType();
    LineDetector::nodeType();
}
