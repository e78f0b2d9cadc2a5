// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/link_label.h"

#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// What a screen reader sees of a link. Qt would show a label, static text,
// which the reader cannot open.
class LinkInterface : public QAccessibleWidget
{
public:
    explicit LinkInterface(LinkLabel* link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    // Unless the layout names it, the link is named by its caption.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && link()->accessibleName().isEmpty())
            return link()->text();
        if (kind == QAccessible::Description && link()->accessibleDescription().isEmpty())
            return link()->address().toString();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << pressAction();
    }

    // Opens the link once the screen reader's call has returned, as Qt's
    // buttons click: the prompt of a failure would hold the call while open.
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            QMetaObject::invokeMethod(link(), &LinkLabel::open, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* linkInterface(const QString& className, QObject* object)
{
    auto* link = qobject_cast<LinkLabel*>(object);
    if (link == nullptr || className != QLatin1StringView(LinkLabel::staticMetaObject.className()))
        return nullptr;
    return new LinkInterface(link);
}

}  // namespace

// The factory comes first, before anything that makes Qt create and keep an
// interface for the label.
LinkLabel::LinkLabel(QWidget* parent)
    : SongLabel(parent)
{
    QAccessible::installFactory(&linkInterface);
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
