// SPDX-License-Identifier: MIT
#include "duititlebar.h"

DuiTitlebar::DuiTitlebar(QGraphicsItem *parent)
    : DuiWidget(parent)
{
}

DuiTitlebar::~DuiTitlebar() = default;
