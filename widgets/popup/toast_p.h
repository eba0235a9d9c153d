#pragma once

//
//  W A R N I N G
//  -------------
//
// Not part of the widget set's interface: the tests and benchmarks follow the busy animation of a
// wait toast through it. It may change from build to build.
//

#include "toast.h"

class ToastPrivate
{
public:
    static int frame(const ToastWait *toast) { return toast->m_frame; }
    static QTimer *frameTimer(const ToastWait *toast) { return toast->m_frameTimer; }
};
