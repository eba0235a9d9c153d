#pragma once

#include <QString>
#include <QTime>

// Not part of the widget set's interface: how the clock formats a time, for its tests.
namespace TimeLabelPrivate {

// The text the clock paints for a time in a format and blink phase.
QString timeText(const QTime &time, bool time24Hour, bool blinkFlag);

} // namespace TimeLabelPrivate
