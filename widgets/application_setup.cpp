// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

namespace tarnquil {

void prepareApplication(QApplication& application)
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Lets the desktop match the window with the installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.vessoria.Tarnquil"));

    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace tarnquil
