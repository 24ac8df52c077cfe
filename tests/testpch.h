// SPDX-License-Identifier: MIT
#include <QtTest/qtest.h>
#include <QtTest/qsignalspy.h>
#include <QtCore/qobject.h>
#include <QtCore/qstring.h>
#include <QtGui/qimage.h>
#include <QtGui/qpainter.h>
#include <QtWidgets/qgraphicsscene.h>
#include <QtWidgets/qgraphicswidget.h>
