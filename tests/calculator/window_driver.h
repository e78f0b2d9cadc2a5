// SPDX-License-Identifier: GPL-3.0-or-later
// Drives a real calculator window the way a user does, for the window tests.
#pragma once

#include "widgets/application_setup.h"
#include "calculator/pdf.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>

#include <memory>

class WindowDriver
{
public:
    // Shows the window, a new one unless given, whose messages are collected
    // in messages() instead of being shown in a modal box.
    explicit WindowDriver(std::unique_ptr<pdf> window = std::make_unique<pdf>())
        : window_(std::move(window))
    {
        window_->setPrompt([this](const QString& message) { messages_ << message; });
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    pdf& window() { return *window_; }
    const QStringList& messages() const { return messages_; }

    template <typename Control = QWidget>
    Control* control(const QString& name) const
    {
        auto* found = window_->findChild<Control*>(name);
        if (found == nullptr)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    QLineEdit* field(const QString& name) const { return control<QLineEdit>(name); }
    QString text(const QString& name) const { return field(name)->text(); }

    // Replaces the field's text by typing: ASCII by key presses, anything
    // else committed by an input method, as Chinese input and marks arrive.
    void type(const QString& name, const QString& text)
    {
        QLineEdit* edit = field(name);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        for (QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClicks(edit, QString(c));
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QApplication::sendEvent(edit, &commit);
            }
        }
    }

    void click(const QString& name)
    {
        QWidget* target = control(name);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }

    // Selects "分" (minutes) or "秒" (seconds) for one point: 1, 2 or 3 for
    // the reference point.
    void selectMinutes(int point, bool minutes)
    {
        const int minutesOption = 2 * point - 1;
        click(QStringLiteral("Option%1").arg(minutes ? minutesOption : minutesOption + 1));
    }

private:
    std::unique_ptr<pdf> window_;
    QStringList messages_;
};

// Fusion style and Qt's Chinese texts, as the program has them.
inline void prepareTestApplication()
{
    tarnquil::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}
