// SPDX-License-Identifier: MIT
#include "duisyscommandrequest.h"
#include "duisyscommandrequest_p.h"

DuiSysCommandRequest::DuiSysCommandRequest(DuiTitlebar::titlebarClick type)
    : d_data(new DuiSysCommandRequestPrivate(this, type))
{
}

DuiSysCommandRequest::~DuiSysCommandRequest() = default;

DuiTitlebar::titlebarClick DuiSysCommandRequest::type() const
{
    Q_D(const DuiSysCommandRequest);
    return d->type;
}

bool DuiSysCommandRequest::accepted() const
{
    Q_D(const DuiSysCommandRequest);
    return d->accepted;
}

void DuiSysCommandRequest::reject()
{
    Q_D(DuiSysCommandRequest);
    d->accepted = false;
}
