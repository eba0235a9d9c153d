#pragma once

//
//  W A R N I N G
//  -------------
//
// Not part of the widget set's interface: the tests and benchmarks wait on the popup's slides
// through it. It may change from build to build.
//

#include "selectpopup.h"

class SelectPopupPrivate
{
public:
    static QPropertyAnimation *showAnimation(const SelectPopup *popup)
    {
        return popup->m_showAnimation;
    }
    static QPropertyAnimation *hideAnimation(const SelectPopup *popup)
    {
        return popup->m_hideAnimation;
    }
};
