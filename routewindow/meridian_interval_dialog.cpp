// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/meridian_interval_dialog.h"

#include "text/quantity_text.h"

#include <QComboBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace tarnquil {

MeridianIntervalAsker meridianIntervalDialog(QWidget* window)
{
    return [window = QPointer<QWidget>(window)](const QString& leg) -> std::optional<double> {
        const QString question =
            u"将大圆航段 %1 在每隔多少度经度处分段为恒向线？\n可选 5 或 10，也可输入其他度数（如 2.5）。"_s.arg(leg);
        QInputDialog dialog(window);
        dialog.setWindowTitle(u"分段为恒向线"_s);
        dialog.setComboBoxItems({u"5"_s, u"10"_s});
        dialog.setComboBoxEditable(true);
        dialog.setTextValue(u"10"_s);
        dialog.setLabelText(question);
        // The editable list would take the first Enter for itself, to
        // complete and add the text: the navigator's Enter answers.
        if (auto* list = dialog.findChild<QComboBox*>()) {
            list->setCompleter(nullptr);
            list->setInsertPolicy(QComboBox::NoInsert);
            QObject::connect(list->lineEdit(), &QLineEdit::returnPressed, &dialog, &QDialog::accept);
        }
        // A refused text stays in the field, the reason above the question.
        while (dialog.exec() == QDialog::Accepted) {
            const QuantityReading reading = readMeridianIntervalText(dialog.textValue());
            if (reading.value)
                return reading.value;
            dialog.setLabelText(reading.refusal + u"\n\n"_s + question);
        }
        return std::nullopt;
    };
}

}  // namespace tarnquil
