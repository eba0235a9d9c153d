#pragma once

#include <QtGlobal>

// The few differences between the telephone's Qt 4.8 and the desktop's Qt 5 that code built
// for both has to bridge. Everything else is written in the forms both understand.
#if QT_VERSION < 0x050000

#include <QString>

// Qt 4.8 has no compile-time string literals; new product code prefers QLatin1String.
#ifndef QStringLiteral
#define QStringLiteral(str) QString::fromUtf8(str)
#endif

template<typename T> const T &qAsConst(T &t)
{
    return t;
}
template<typename T> void qAsConst(const T &&) = delete;

#endif
