// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_label.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace tarnquil {

LinkLabel::LinkLabel(QWidget* parent)
    : SongLabel(parent)
{
    setMouseTracking(true);
}

void LinkLabel::setAddress(const QUrl& address)
{
    address_ = address;
    setText(address.host());
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved();
    event->accept();
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        open();
}

// On a freedesktop.org system Qt hands the address to xdg-open as well, but
// only says whether xdg-open started; whether it found a browser comes later,
// in its exit status. Running it here lets the window hear of that failure
// without making the click wait for the browser.
void LinkLabel::open()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    const QString xdgOpen = QStandardPaths::findExecutable(u"xdg-open"_s);
    if (!xdgOpen.isEmpty()) {
        auto* handler = new QProcess(this);
        // The browser that xdg-open may run in the foreground writes to the
        // program's own output rather than into a pipe nobody reads.
        handler->setProcessChannelMode(QProcess::ForwardedChannels);
        handler->setStandardInputFile(QProcess::nullDevice());
        connect(handler, &QProcess::finished, this,
                [this, handler](int exitCode, QProcess::ExitStatus status) {
                    handler->deleteLater();
                    if (status != QProcess::NormalExit || exitCode != 0)
                        emit openFailed();
                });
        connect(handler, &QProcess::errorOccurred, this, [this, handler](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;  // the other errors end in finished()
            handler->deleteLater();
            emit openFailed();
        });
        handler->start(xdgOpen, {address_.toString(QUrl::FullyEncoded)});
        return;
    }
#endif
    if (!QDesktopServices::openUrl(address_))
        emit openFailed();
}

}  // namespace tarnquil
