// SPDX-License-Identifier: GPL-3.0-or-later
#include "celestialwindow/field_row.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace tarnquil {

QString withoutAltLetter(const QString& label)
{
    static const QRegularExpression altLetter(u"\\(&.\\)"_s);
    return QString(label).remove(altLetter);
}

QLineEdit* addFieldRow(QFormLayout& form, const QString& label, const QString& objectName,
                       const QString& example)
{
    auto* field = new QLineEdit;
    field->setObjectName(objectName);
    field->setAccessibleName(withoutAltLetter(label));
    field->setPlaceholderText(example);
    auto* name = new QLabel(label);
    name->setBuddy(field);
    form.addRow(name, field);
    return field;
}

}  // namespace tarnquil
