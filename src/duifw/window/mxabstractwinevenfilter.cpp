// SPDX-License-Identifier: MIT
#include "mxabstractwinevenfilter.h"

MXAbstractWinEvenFilter::MXAbstractWinEvenFilter(QObject *parent)
    : QObject(parent)
{
}

MXAbstractWinEvenFilter::~MXAbstractWinEvenFilter() = default;
