// SPDX-License-Identifier: MIT
#include "duidialog.h"
#include "duidialog_p.h"

#include "duirootitem.h"

#include <QtCore/qeventloop.h>
#include <QtCore/qpointer.h>
#include <QtCore/qtimeline.h>
#include <QtGui/qevent.h>
#include <QtGui/qguiapplication.h>
#include <QtGui/qscreen.h>

#include <list>

const DuiFrameTypeRegister DuiDialog::s_registerDuiDialog(getframeCreateFuncPointerDataHeader(), "DuiDialog",
                                                          &DuiDialog::dynamicCreateObjectDuiDialog);

namespace {

// The dialogs shown with showModal, most recent first; created on first use, deleted when the
// last dialog leaves it.
std::list<DuiDialog *> *m_instances = nullptr;

void forget(DuiDialog *dialog)
{
    if (!m_instances)
        return;
    m_instances->remove(dialog);
    if (m_instances->empty()) {
        delete m_instances;
        m_instances = nullptr;
    }
}

} // namespace

DuiDialog::DuiDialog(QWidget *parent)
    : DuiFrameWindow(*new DuiDialogPrivate, parent, Dialog)
{
}

DuiDialog::~DuiDialog()
{
    // Deleted while running modally (by its owner, or its parent window going away): end the
    // run, or the caller of showModal would wait for ever.
    Q_D(DuiDialog);
    if (d->eventLoop) {
        d->eventLoop->exit();
        d->eventLoop = nullptr;
    }
    forget(this);
}

DuiFrameWindow *DuiDialog::dynamicCreateObjectDuiDialog(QWidget *parent)
{
    return new DuiDialog(parent);
}

QList<DuiDialog *> DuiDialog::instances()
{
    return m_instances ? QList<DuiDialog *>(m_instances->begin(), m_instances->end()) : QList<DuiDialog *>();
}

void DuiDialog::setTitle(const QString &title)
{
    DuiFrameWindow::setTitle(title);
}

void DuiDialog::showModal(bool bActive, bool isCenter)
{
    Q_D(DuiDialog);
    if (d->eventLoop)
        return; // already running
    if (!m_instances)
        m_instances = new std::list<DuiDialog *>;
    m_instances->remove(this);
    m_instances->push_front(this);

    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose, false);
    if (isCenter)
        doCenter();
    DuiFrameWindow::show();
    Q_EMIT dialogShow();
    if (bActive)
        activateWindow();

    QEventLoop loop;
    d->eventLoop = &loop;
    const QPointer<DuiDialog> alive(this);
    loop.exec(QEventLoop::DialogExec);
    if (!alive)
        return;
    d->eventLoop = nullptr;
    DuiFrameWindow::hide();
    deleteLater();
}

void DuiDialog::endDialog(int result)
{
    done(result);
}

void DuiDialog::done(int result)
{
    DuiFrameWindow::onTitleButtonClicked(DuiTitlebar::TitleClose);
    d_func()->result = result;
}

void DuiDialog::accept()
{
    done(1);
    Q_EMIT accepted();
}

void DuiDialog::reject()
{
    done(0);
    Q_EMIT rejected();
}

int DuiDialog::result() const
{
    return d_func()->result;
}

void DuiDialog::setAcceptEnter(bool accept)
{
    d_func()->acceptEnter = accept;
}

void DuiDialog::setAcceptEscape(bool accept)
{
    d_func()->acceptEscape = accept;
}

void DuiDialog::setDialogPositionOffset(int x, int y)
{
    Q_D(DuiDialog);
    d->offsetX = x;
    d->offsetY = y;
}

void DuiDialog::on_buttonAccept_clicked()
{
    accept();
}

void DuiDialog::on_buttonReject_clicked()
{
    reject();
}

void DuiDialog::onEnterPressed(Qt::KeyboardModifiers modifiers)
{
    if (d_func()->acceptEnter && modifiers == Qt::NoModifier)
        accept();
    else
        DuiFrameWindow::onEnterPressed(modifiers);
}

void DuiDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        // Escape never reaches the frame window's own handling.
        if (d_func()->acceptEscape && event->modifiers() == Qt::NoModifier)
            reject();
        event->accept();
        return;
    }
    DuiFrameWindow::keyPressEvent(event);
}

void DuiDialog::closeEvent(QCloseEvent *event)
{
    Q_D(DuiDialog);
    if (d->eventLoop) {
        d->eventLoop->exit();
        d->eventLoop = nullptr;
    }
    event->accept();
}

void DuiDialog::closeAll()
{
    const QList<DuiDialog *> dialogs = instances();
    for (DuiDialog *dialog : dialogs)
        dialog->close();
}

void DuiDialog::closeAllOf(QWidget *widget)
{
    if (!widget) {
        closeAll();
        return;
    }
    const QList<DuiDialog *> dialogs = instances();
    for (DuiDialog *dialog : dialogs) {
        for (QWidget *ancestor = dialog->parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
            if (ancestor == widget) {
                dialog->close();
                break;
            }
        }
    }
}

void DuiDialog::doCenter()
{
    Q_D(DuiDialog);
    QRect box(0, 0, width(), height());
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QPoint offset(d->offsetX, d->offsetY);
    if (auto *parent = qobject_cast<QWidget *>(this->parent())) {
        QRect candidate = box;
        candidate.moveCenter(parent->window()->frameGeometry().center() + offset);
        if (available.contains(candidate, true)) {
            setGeometry(candidate);
            return;
        }
    }
    box.moveCenter(available.center() + offset);
    setGeometry(box);
}

void DuiDialog::runShowEffect()
{
    Q_D(DuiDialog);
    d->effectTimeLine.disconnect();
    connect(&d->effectTimeLine, &QTimeLine::frameChanged, this, &DuiDialog::onShowEffectFrameChanged);
    connect(&d->effectTimeLine, &QTimeLine::finished, this, &DuiDialog::onShowEffectFinished);
    d->rootItem->setOpacity(0);
    d->effectTimeLine.setDuration(300);
    d->effectTimeLine.setFrameRange(0, 100);
    d->effectTimeLine.start();
}

void DuiDialog::runHideEffect()
{
    Q_D(DuiDialog);
    d->effectTimeLine.disconnect();
    connect(&d->effectTimeLine, &QTimeLine::frameChanged, this, &DuiDialog::onHideEffectFrameChanged);
    connect(&d->effectTimeLine, &QTimeLine::finished, this, &DuiDialog::onHideEffectFinished);
    d->effectTimeLine.setDuration(300);
    d->effectTimeLine.setFrameRange(0, 100);
    d->effectTimeLine.start();
}

void DuiDialog::effectFrame(int frame, bool showing)
{
    Q_D(DuiDialog);
    const int g = showing ? frame : 100 - frame;
    const qreal s = 0.7 + 0.3 * g / 100.0;
    const int w = width() / 2;
    const int h = height() / 2;
    QTransform transform;
    transform.translate(w, h);
    transform.scale(s, s);
    transform.translate(-w, -h);
    d->rootItem->setTransform(transform);
    d->rootItem->setOpacity(showing ? g / 100.0 : 0.8 * g / 100.0);
}

void DuiDialog::onShowEffectFrameChanged(int frame)
{
    effectFrame(frame, true);
}

void DuiDialog::onShowEffectFinished()
{
}

void DuiDialog::onHideEffectFrameChanged(int frame)
{
    effectFrame(frame, false);
}

void DuiDialog::onHideEffectFinished()
{
    close();
}
