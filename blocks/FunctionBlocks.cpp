#include "FunctionBlocks.h"

#include "Abs.h"
#include "BasicMath.h"
#include "BasicMath2.h"
#include "Compare.h"
#include "Const.h"
#include "Counter.h"
#include "Exit.h"
#include "LogicInv.h"
#include "Logo2to1_0.h"
#include "Logo3to1.h"
#include "Logo4to1_0.h"
#include "Logo4to1_1.h"
#include "Scope.h"
#include "Siggen.h"
#include "Smooth.h"
#include "Time.h"
#include "TransferFunction.h"
#include "Value2Vector.h"
#include "ValueDemultiplexer.h"
#include "ValueMultiplexer.h"
#include "ValueReader.h"
#include "ValueWriter.h"
#include "Vector2Value.h"
#include "VectorConst.h"
#include "VectorMath.h"
#include "VectorScalar.h"
#include "VectorScalarVector.h"
#include "VectorView.h"

void registerFunctionBlocks()
{
    Siggen::nodeType();
    Scope::nodeType();
    Counter::nodeType();
    Const::nodeType();
    Exit::nodeType();
    BasicMath::nodeType();
    Compare::nodeType();
    BasicMath2::nodeType();
    VectorView::nodeType();
    VectorConst::nodeType();
    Value2Vector::nodeType();
    VectorMath::nodeType();
    VectorScalarVector::nodeType();
    TransferFunction::nodeType();
    Smooth::nodeType();
    Vector2Value::nodeType();
    ValueMultiplexer::nodeType();
    ValueDemultiplexer::nodeType();
    Abs::nodeType();
    LogicInv::nodeType();
    Time::nodeType();
    VectorScalar::nodeType();
    Logo4to1_1::nodeType();
    Logo4to1_0::nodeType();
    Logo2to1_0::nodeType();
    Logo3to1::nodeType();
    ValueWriter::nodeType();
    ValueReader::nodeType();
}
