// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a bare Qt window with one Chinese label.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("航图计算器"));
    label.show();
    return QApplication::exec();
}
