// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/result_field.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace tarnquil {

namespace {

// Offsets are in UTF-16 code units, as in a QString; the end is exclusive.
class ResultInterface : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ResultInterface(ResultField* field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? field()->text() : QAccessibleWidget::text(kind);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int start, int end) const override { return field()->text().mid(start, end - start); }
    int characterCount() const override { return int(field()->text().size()); }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }

    void selection(int index, int* start, int* end) const override
    {
        const bool selected = index == 0 && field()->hasSelectedText();
        *start = selected ? field()->selectionStart() : 0;
        *end = selected ? field()->selectionEnd() : 0;
    }

    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            field()->setSelection(start, end - start);
    }

    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { field()->deselect(); }

    QRect characterRect(int offset) const override
    {
        const QRect character = field()->characterRect(offset);
        return {field()->mapToGlobal(character.topLeft()), character.size()};
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }

    // Brings the start into view, after the end where it fits.
    void scrollToSubstring(int start, int end) override
    {
        field()->setCursorPosition(end);
        field()->setCursorPosition(start);
    }

    // A line edit's text has no attributes of its own.
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    ResultField* field() const { return static_cast<ResultField*>(widget()); }
};

QAccessibleInterface* resultInterface(const QString& className, QObject* object)
{
    auto* field = qobject_cast<ResultField*>(object);
    if (field == nullptr || className != QLatin1StringView(ResultField::staticMetaObject.className()))
        return nullptr;
    return new ResultInterface(field);
}

}  // namespace

// The factory comes first: setReadOnly() tells screen readers of the change,
// which makes Qt create the field's interface, with its own factory if this
// one is not there yet, and keep it.
ResultField::ResultField(QWidget* parent)
    : QLineEdit(parent)
{
    QAccessible::installFactory(&resultInterface);
    setReadOnly(true);
}

// The cursor rectangle that the field gives an input method is centred on
// the cursor; the character's place follows from the advance of the text
// between the cursor and it.
QRect ResultField::characterRect(int offset) const
{
    const QString text = this->text();
    if (offset < 0 || offset >= text.size())
        return {};
    const QRect cursor = inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics = fontMetrics();
    const int left = cursor.center().x() + metrics.horizontalAdvance(text.left(offset))
        - metrics.horizontalAdvance(text.left(cursorPosition()));
    return {left, cursor.top(), metrics.horizontalAdvance(text.mid(offset, 1)), cursor.height()};
}

// Qt's own handling first: it also starts the triple-click timer.
void ResultField::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        selectAll();
}

}  // namespace tarnquil
