// SPDX-License-Identifier: MIT
#ifndef DUISYSCOMMANDREQUEST_H
#define DUISYSCOMMANDREQUEST_H

#include "duititlebar.h"

#include <QtCore/qobject.h>
#include <QtCore/qscopedpointer.h>

class DuiSysCommandRequestPrivate;

// A system command (minimise, maximise, restore, close) that a frame window is about to carry
// out. The window emits it with sysCommand() and reads accepted() afterwards, so receivers must be
// connected directly and must not keep the pointer; reject() stops the command.
class DUI_EXPORT DuiSysCommandRequest : public QObject
{
    Q_OBJECT
    Q_PROPERTY(DuiTitlebar::titlebarClick type READ type)
    Q_PROPERTY(bool accepted READ accepted)

public:
    explicit DuiSysCommandRequest(DuiTitlebar::titlebarClick type);
    ~DuiSysCommandRequest() override;

    DuiTitlebar::titlebarClick type() const;
    bool accepted() const;
    Q_INVOKABLE void reject();

private:
    QScopedPointer<DuiSysCommandRequestPrivate> d_data;
    Q_DECLARE_PRIVATE_D(d_data, DuiSysCommandRequest)
    Q_DISABLE_COPY(DuiSysCommandRequest)
};

#endif // DUISYSCOMMANDREQUEST_H
