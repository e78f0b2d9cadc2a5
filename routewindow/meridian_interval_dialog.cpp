// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/meridian_interval_dialog.h"

#include "text/quantity_text.h"

#include <QInputDialog>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace tarnquil {

MeridianIntervalAsker meridianIntervalDialog(QWidget* window)
{
    return [window = QPointer<QWidget>(window)](const QString& leg) -> std::optional<double> {
        const QStringList choices = {u"5"_s, u"10"_s};
        const QString question =
            u"将大圆航段 %1 在每隔多少度经度处分段为恒向线？\n可选 5 或 10，也可输入其他度数（如 2.5）。"_s.arg(leg);
        QString label = question;
        QString text = choices.back();
        for (;;) {
            bool accepted = false;
            text = QInputDialog::getItem(window, u"分段为恒向线"_s, label, choices,
                                         int(qMax(qsizetype(0), choices.indexOf(text))), true, &accepted);
            if (!accepted)
                return std::nullopt;
            const QuantityReading reading = readMeridianIntervalText(text);
            if (reading.value)
                return reading.value;
            label = reading.refusal + u"\n\n"_s + question;
        }
    };
}

}  // namespace tarnquil
