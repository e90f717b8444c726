#include "LibraryPages.h"

#include "ADC.h"
#include "Abs.h"
#include "BasicMath.h"
#include "BasicMath2.h"
#include "Bumper.h"
#include "Camera.h"
#include "Compare.h"
#include "Const.h"
#include "ControlPanel.h"
#include "Counter.h"
#include "DigitalInput.h"
#include "DigitalOutput.h"
#include "Distance.h"
#include "Exit.h"
#include "Joystick.h"
#include "LineDetector.h"
#include "LogicInv.h"
#include "Logo2to1_0.h"
#include "Logo3to1.h"
#include "Logo4to1_0.h"
#include "Logo4to1_1.h"
#include "MapBuilder.h"
#include "MasterController.h"
#include "Motor.h"
#include "NStar.h"
#include "Omnidrive.h"
#include "PathDriver.h"
#include "Relay.h"
#include "Scope.h"
#include "SegExtractor.h"
#include "Segmenter.h"
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

#include <QtGlobal>

// Pages and their block kinds, in the order the user sees them.
QList<LibraryPage> libraryPages()
{
    return {
        {QT_TRANSLATE_NOOP("Library", "Logic"),
         {Counter::nodeType, ValueMultiplexer::nodeType, ValueDemultiplexer::nodeType, LogicInv::nodeType,
          Logo4to1_1::nodeType, Logo4to1_0::nodeType, Logo2to1_0::nodeType, Logo3to1::nodeType}},
        {QT_TRANSLATE_NOOP("Library", "Mathematics"),
         {BasicMath::nodeType, BasicMath2::nodeType, Abs::nodeType, Compare::nodeType, TransferFunction::nodeType}},
        {QT_TRANSLATE_NOOP("Library", "Vector analysis"),
         {VectorConst::nodeType, Value2Vector::nodeType, Vector2Value::nodeType, VectorMath::nodeType,
          VectorScalarVector::nodeType, VectorScalar::nodeType}},
        {QT_TRANSLATE_NOOP("Library", "Display"), {Scope::nodeType, VectorView::nodeType}},
        {QT_TRANSLATE_NOOP("Library", "Image processing"),
         {Segmenter::nodeType, SegExtractor::nodeType, LineDetector::nodeType}},
        {QT_TRANSLATE_NOOP("Library", "Generators"), {Siggen::nodeType, Const::nodeType, Time::nodeType}},
        {QT_TRANSLATE_NOOP("Library", "Filter"), {Smooth::nodeType}},
        {QT_TRANSLATE_NOOP("Library", "Kelmaris Hardware"),
         {Camera::nodeType, Distance::nodeType, DigitalInput::nodeType, ADC::nodeType, Bumper::nodeType,
          Motor::nodeType, DigitalOutput::nodeType, Relay::nodeType, Omnidrive::nodeType, MasterController::nodeType,
          NStar::nodeType}},
        {QT_TRANSLATE_NOOP("Library", "Navigation"), {MapBuilder::nodeType, PathDriver::nodeType}},
        {QT_TRANSLATE_NOOP("Library", "Input devices"), {Joystick::nodeType, ControlPanel::nodeType}},
        {QT_TRANSLATE_NOOP("Library", "Data exchange"), {ValueWriter::nodeType, ValueReader::nodeType}},
        {QT_TRANSLATE_NOOP("Library", "Sequence control"), {Exit::nodeType}},
    };
}
