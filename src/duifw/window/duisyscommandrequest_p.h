// SPDX-License-Identifier: MIT
#ifndef DUISYSCOMMANDREQUEST_P_H
#define DUISYSCOMMANDREQUEST_P_H

#include "duisyscommandrequest.h"

class DuiSysCommandRequestPrivate
{
    Q_DECLARE_PUBLIC(DuiSysCommandRequest)
public:
    DuiSysCommandRequestPrivate(DuiSysCommandRequest *q, DuiTitlebar::titlebarClick t)
        : q_ptr(q)
        , type(t)
    {
    }
    virtual ~DuiSysCommandRequestPrivate() = default;

    DuiSysCommandRequest *q_ptr;
    DuiTitlebar::titlebarClick type;
    bool accepted = true;
};

#endif // DUISYSCOMMANDREQUEST_P_H
