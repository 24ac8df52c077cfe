// SPDX-License-Identifier: MIT
#ifndef DUISYSCOMMANDREQUEST_P_H
#define DUISYSCOMMANDREQUEST_P_H

#include "duisyscommandrequest.h"

class DuiSysCommandRequestPrivate
{
public:
    explicit DuiSysCommandRequestPrivate(DuiTitlebar::titlebarClick t)
        : type(t)
    {
    }

    DuiTitlebar::titlebarClick type;
    bool accepted = true;
};

#endif // DUISYSCOMMANDREQUEST_P_H
