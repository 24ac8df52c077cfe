// SPDX-License-Identifier: MIT
#ifndef DUIAPPLICATION_H
#define DUIAPPLICATION_H

#include "duiglobal.h"

#include <QtWidgets/qapplication.h>

// The framework's application object. When the application directory carries its own
// "imageformats" plug-in folder, Qt's plug-in directory is dropped from the library paths so
// that plug-ins come from the application alone; otherwise Qt's directory stays, since the
// image formats the skin needs (JPEG, GIF) live there.
class DUI_EXPORT DuiApplication : public QApplication
{
    Q_OBJECT
public:
    DuiApplication(int &argc, char **argv);
    ~DuiApplication() override;

    // Hooks for the host: the application path of the current version and the current user's
    // application path. Empty here; the framework does not call them.
    virtual QString currentVersionZKAppPath();
    virtual QString currentZKUserAppPath();
};

#endif // DUIAPPLICATION_H
