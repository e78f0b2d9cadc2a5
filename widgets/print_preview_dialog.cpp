// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/print_preview_dialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// Qt's print action, known by its text as Qt translates it: it has no
// object name of its own.
QAction* printActionOf(const QPrintPreviewDialog& preview)
{
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() == print)
            return action;
    }
    return nullptr;
}

// Qt's preview opens at its size hint, a strip too narrow for its toolbar,
// whose last buttons it leaves to the toolbar's menu: wide enough for the
// toolbar and as high as the screen allows, within nine tenths of the
// screen.
void sizeForToolbar(QPrintPreviewDialog& preview)
{
    constexpr qreal screenShare = 0.9;
    const QSize room = preview.screen()->availableSize() * screenShare;
    const QToolBar* toolbar = preview.findChild<QToolBar*>();
    const QMargins margins = preview.layout() != nullptr ? preview.layout()->contentsMargins()
                                                           : QMargins();
    const int width = toolbar != nullptr
        ? toolbar->sizeHint().width() + margins.left() + margins.right()
        : 0;
    preview.resize(QSize(width, room.height()).expandedTo(preview.sizeHint()).boundedTo(room));
}

// 打印 first in the toolbar, where no screen is too narrow for it, the
// others as Qt has them after it.
void reachPrintingByKeyboard(QPrintPreviewDialog& preview)
{
    QToolBar* toolbar = preview.findChild<QToolBar*>();
    QAction* print = printActionOf(preview);
    if (toolbar != nullptr && print != nullptr && !toolbar->actions().isEmpty()) {
        QAction* first = toolbar->actions().constFirst();
        toolbar->insertAction(first, print);
        toolbar->insertSeparator(first);
        print->setShortcuts(QKeySequence::Print);
    }
    for (QToolButton* button : preview.findChildren<QToolButton*>())
        button->setFocusPolicy(Qt::TabFocus);
    QWidget* button = print != nullptr && toolbar != nullptr ? toolbar->widgetForAction(print)
                                                             : nullptr;
    // After the dialog has given the focus to its pages on being shown.
    if (button != nullptr)
        QTimer::singleShot(0, button, [button] { button->setFocus(Qt::OtherFocusReason); });
}

}  // namespace

void previewAndPrint(QWidget* parent, const PrintedDocument& document)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(document.layout);
    printer.setDocName(document.name);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(u"打印预览 — "_s + document.name);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter* target) { document.paint(*target); });
    sizeForToolbar(preview);
    reachPrintingByKeyboard(preview);
    preview.exec();
}

}  // namespace tarnquil
