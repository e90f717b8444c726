#pragma once

#include <QEvent>

// Every custom event number in one place, so that no two kinds of event share one.
// Other subsystems add theirs here.
namespace EventTypes {

constexpr QEvent::Type stateProcessorStep = QEvent::Type(1000);
constexpr QEvent::Type stateBaseStop = QEvent::Type(1001);
constexpr QEvent::Type stateBaseCaptionChanged = QEvent::Type(1002);
constexpr QEvent::Type showDatatips = QEvent::Type(1010);
constexpr QEvent::Type stateProcessorStart = QEvent::Type(1011);
constexpr QEvent::Type stateProcessorStop = QEvent::Type(1012);

} // namespace EventTypes
