// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/status_line.h"

#include <QLabel>
#include <QSizeGrip>
#include <QStatusBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tarnquil {

StatusLine::StatusLine(QStatusBar* bar)
    : QObject(bar)
    , bar_(bar)
    , label_(new QLabel(bar))
{
    // A permanent widget, so that no message hides it; QStatusBar paints its
    // own message only left of the permanent widgets, where this one leaves
    // no room. No accessible name: its text is its name. Long messages wrap
    // rather than widen the window.
    label_->setObjectName(u"statusMessage"_s);
    label_->setWordWrap(true);
    label_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addPermanentWidget(label_, 1);
    connect(bar, &QStatusBar::messageChanged, label_, &QLabel::setText);
    // Its description too, for a screen reader asked to read the status bar
    // itself rather than its children.
    connect(bar, &QStatusBar::messageChanged, bar, &QWidget::setAccessibleDescription);
    if (auto* grip = bar->findChild<QSizeGrip*>())
        grip->setAccessibleName(u"调整窗口大小"_s);
}

void StatusLine::setFieldMessage(const QObject* field, const QString& message)
{
    const auto found = std::find_if(fieldMessages_.begin(), fieldMessages_.end(),
                                    [field](const auto& entry) { return entry.first == field; });
    const QString before = found == fieldMessages_.end() ? QString() : found->second;
    if (message == before)
        return;
    if (found != fieldMessages_.end())
        fieldMessages_.erase(found);
    if (!message.isEmpty()) {
        fieldMessages_.append({field, message});
        bar_->showMessage(message);
    } else if (bar_->currentMessage() == before) {
        if (fieldMessages_.isEmpty())
            bar_->clearMessage();
        else
            bar_->showMessage(fieldMessages_.last().second);
    }
}

}  // namespace tarnquil
