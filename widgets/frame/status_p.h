#pragma once

//
//  W A R N I N G
//  -------------
//
// Not part of the widget set's interface: the benchmarks hold the clock still through it, so
// that no tick lands in a frame they measure. It may change from build to build.
//

#include "status.h"

class StatusPrivate
{
public:
    static QTimer *clockTimer(Status *status) { return &status->m_clockTimer; }
};
