#include "XKDDrawingObject.h"

#include "XKDDoCross.h"
#include "XKDDoRubberBand.h"

XKDDrawingObject* XKDDrawingObject::create(int type)
{
    switch (type) {
    case RubberBand: return new XKDDoRubberBand;
    case Cross: return new XKDDoCross;
    default: return nullptr;
    }
}
