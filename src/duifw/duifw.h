// SPDX-License-Identifier: MIT
// Umbrella header: every public header of the framework.
#ifndef DUIFW_H
#define DUIFW_H

#include "duiglobal.h"

// core
#include "duiapplication.h"
#include "duiresourcehandler.h"
#include "duiresourceloader.h"
#include "duispaceritem.h"
#include "duityperegister.h"
#include "duiwidget.h"
#include "duiwidgetbase.h"

// xml
#include "mxutility.h"
#include "mxxmldocument.h"
#include "mxxmlelement.h"

// theme
#include "duitheme.h"

// window
#include "duisyscommandrequest.h"
#include "duititlebar.h"
#include "mxabstractwinevenfilter.h"

// platform
#include "duiwinapi.h"
#include "duiwindef.h"

#endif // DUIFW_H
