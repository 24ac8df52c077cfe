// SPDX-License-Identifier: MIT
#ifndef MXUTILITY_H
#define MXUTILITY_H

#include "duiglobal.h"

#include <QtCore/qstring.h>

#include <string>

namespace MxUtility {

// The application's directory, without a trailing "/".
DUI_EXPORT QString appRootPath();
// Hands a URL to the desktop's default handler; true when one took it.
DUI_EXPORT bool openUrl(const std::wstring &url);

} // namespace MxUtility

#endif // MXUTILITY_H
