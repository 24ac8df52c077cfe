// SPDX-License-Identifier: MIT
// Umbrella header: every public header of the framework.
#ifndef DUIFW_H
#define DUIFW_H

#include "duiglobal.h"

// core
#include "duiapplication.h"
#include "duipropertyparser.h"
#include "duiresourcehandler.h"
#include "duiresourceloader.h"
#include "duispaceritem.h"
#include "duityperegister.h"
#include "duiwidget.h"
#include "duiwidgetbase.h"
#include "duixmldiagnostics.h"
#include "duixmlschema.h"
#include "duixmlsource.h"
#include "duixmltranslation.h"
#include "duixmlui.h"
#include "i18nstring.h"

// controls
#include "duibuttongroup.h"
#include "duicheckbox.h"
#include "duieditlabel.h"
#include "duihtmllabelwidget.h"
#include "duilabelwidget.h"
#include "duilineedit.h"
#include "duiprogressbar.h"
#include "duipushbutton.h"
#include "duiradiobutton.h"
#include "duiscrolltext.h"
#include "duiseparateline.h"
#include "duisliderbase.h"
#include "duisliderwidget.h"
#include "duisliderwidgetext.h"
#include "duistackedwidget.h"
#include "duitab.h"

// item views
#include "duiabstractitemcontainer.h"
#include "duiabstractitemview.h"
#include "duiabstractscrollbar.h"
#include "duiabstractviewitem.h"
#include "duicategoryitem.h"
#include "duihscrollbar.h"
#include "duilistctrl.h"
#include "duilistctrrowwidget.h"
#include "duilistitem.h"
#include "duilistwidget.h"
#include "duiscrollarea.h"
#include "duiscrollbar.h"
#include "duiscrollwidget.h"
#include "duisettingpagebuttontree.h"
#include "duitreeitemcontainer.h"
#include "duitreemodelitem.h"
#include "duitreeviewitem.h"
#include "duitreewidget.h"

// xml
#include "mxutility.h"
#include "mxxmldocument.h"
#include "mxxmlelement.h"

// theme
#include "duianimationwidget.h"
#include "duicolorizeeffectmanager.h"
#include "duicolorizeevent.h"
#include "duiframeitem.h"
#include "duiframeitemdrawer.h"
#include "duiframeitemex.h"
#include "duiframeitemext.h"
#include "duigolbaleffectmgr.h"
#include "duigraphicsdropshadoweffect.h"
#include "duigraphicshsleffect.h"
#include "duigraphicsoutergloweffect.h"
#include "duiimagewidget.h"
#include "duitextoutlineeffect.h"
#include "duitheme.h"
#include "duithemecolorwidget.h"

// window
#include "duibackgrounditem.h"
#include "duidialog.h"
#include "duiframewindow.h"
#include "duirootitem.h"
#include "duisyscommandrequest.h"
#include "duititlebar.h"
#include "duiview.h"
#include "mxabstractwinevenfilter.h"

// popup
#include "duicombobox.h"
#include "duicomboboxorg.h"
#include "duimenu.h"
#include "duitooltip.h"
#include "duitooltipstyle.h"

// richtext
#include "duitextcompositeformat.h"
#include "duitextcursor.h"
#include "duitextedit.h"
#include "duitexteditextern.h"
#include "duitexteditgraphicsitem.h"
#include "duitextobject.h"
#include "duitexteditcopypastehandler.h"
#include "duitextintellisenseinput.h"
#include "duitextutils.h"

// platform
#include "duiwinapi.h"
#include "duiwindef.h"

#endif // DUIFW_H
