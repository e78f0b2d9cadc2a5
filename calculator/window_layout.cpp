// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/window_layout.h"

#include "calculator/entry_field.h"
#include "calculator/help_text.h"
#include "calculator/keyboard_controls.h"
#include "calculator/link_label.h"
#include "widgets/result_field.h"
#include "widgets/song_font.h"
#include "calculator/song_label.h"
#include "calculator/window_look.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyleFactory>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// The layout is given in twips (1/1440 inch, 15 per pixel at 96 dots per
// inch); Qt places widgets in device-independent pixels. Left and top are
// relative to the container, as Qt's widget geometry is.
constexpr int twipsPerPixel = 15;

constexpr int pixels(int twips) { return twips / twipsPerPixel; }

constexpr QRect twips(int left, int top, int width, int height)
{
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

// ---------------------------------------------------------------- the layout

struct Placed {
    const char* name;
    QRect geometry;
};

// A point's frame: its option pair on a panel, and a latitude and a longitude
// field, each with its label.
struct PointFrame {
    QString title;  // also names the point in the fields' accessible names
    Placed frame, panel, minutes, seconds, latitudeLabel, latitude, longitudeLabel, longitude;
};

// Frame1 to Frame3: the frames of 点Ⅰ, 点Ⅱ and 参考点; Picture2 to Picture4: the
// panels of their option pairs; Option1 to Option6: 分 and 秒 of each point;
// Text1 to Text6: latitude and longitude of each point; Label1 to Label6: the
// fields' labels (纬度, 经度).
const PointFrame pointFrames[] = {
    {u"点Ⅰ"_s, {"Frame1", twips(120, 240, 2655, 1695)}, {"Picture2", twips(360, 240, 2175, 255)},
     {"Option1", twips(480, 0, 495, 255)}, {"Option2", twips(1080, 0, 495, 255)},
     {"Label1", twips(120, 720, 495, 255)}, {"Text1", twips(720, 600, 1575, 375)},
     {"Label2", twips(120, 1200, 615, 255)}, {"Text2", twips(720, 1080, 1575, 375)}},
    {u"点Ⅱ"_s, {"Frame2", twips(2880, 240, 3015, 1695)}, {"Picture3", twips(600, 240, 2295, 255)},
     {"Option3", twips(480, 0, 495, 255)}, {"Option4", twips(1080, 0, 495, 255)},
     {"Label3", twips(360, 720, 615, 255)}, {"Text3", twips(960, 600, 1695, 375)},
     {"Label4", twips(360, 1200, 615, 255)}, {"Text4", twips(960, 1080, 1695, 375)}},
    {u"参考点"_s, {"Frame3", twips(120, 2040, 2655, 1695)}, {"Picture4", twips(480, 240, 2055, 255)},
     {"Option5", twips(360, 0, 495, 255)}, {"Option6", twips(960, 0, 495, 255)},
     {"Label5", twips(120, 720, 495, 255)}, {"Text5", twips(720, 600, 1575, 375)},
     {"Label6", twips(120, 1200, 495, 255)}, {"Text6", twips(720, 1080, 1575, 375)}},
};

enum class Kind {
    Frame,    // a titled frame
    Panel,    // a bare surface holding other controls
    Label,    // a field's label, on its frame's surface
    Note,     // a note of up to two lines, on its frame's surface
    Output,   // a field that a command writes into
    Command,  // a command button
    Guide,    // the user guide
    Caption,  // a caption on the window's own surface
    Notice,   // the copyright notice, in the menus' text colour
    Link,     // the website link; its text is the address
};

struct Control {
    Kind kind;
    Placed place;
    const char* container;  // nullptr for the window
    QString text;
    QString accessibleName = {};
};

// The controls after the point frames, in the order they are made, which is
// also the order in which they overlap. Frame4, Frame6: the distance and the
// angle output; Text7 to Text9: kilometres, nautical miles, degrees; Frame5
// and Picture1: the commands' frame and panel; Command3, Command4: the
// distance and the angle command; Text10: the user guide; Label7 to Label10:
// the outputs' labels and note; Label11 to Label13: the link, the notice and
// the link's caption.
const Control controls[] = {
    {Kind::Frame, {"Frame4", twips(6000, 240, 2655, 1695)}, nullptr, u"距离输出"_s},
    {Kind::Label, {"Label7", twips(120, 720, 375, 255)}, "Frame4", u"公里"_s},
    {Kind::Output, {"Text7", twips(720, 600, 1575, 375)}, "Frame4", {}, u"距离（公里）"_s},
    {Kind::Label, {"Label8", twips(120, 1200, 495, 255)}, "Frame4", u"海里"_s},
    {Kind::Output, {"Text8", twips(720, 1080, 1575, 375)}, "Frame4", {}, u"距离（海里）"_s},
    {Kind::Frame, {"Frame6", twips(2880, 2040, 3015, 1695)}, nullptr, u"角度输出"_s},
    {Kind::Label, {"Label9", twips(360, 720, 495, 255)}, "Frame6", u"角度"_s},
    {Kind::Output, {"Text9", twips(960, 600, 1695, 375)}, "Frame6", {}, u"夹角（度）"_s},
    {Kind::Note, {"Label10", twips(360, 1080, 2415, 375)}, "Frame6",
     u"注意：此夹角为1、2两点相对于参考点所成"_s},
    {Kind::Frame, {"Frame5", twips(6000, 2040, 2655, 1695)}, nullptr, u"功能键"_s},
    {Kind::Panel, {"Picture1", twips(120, 360, 2415, 1215)}, "Frame5", {}, u"计算命令"_s},
    {Kind::Command, {"Command3", twips(600, 240, 1575, 375)}, "Picture1", distanceCommandCaption.toString()},
    {Kind::Command, {"Command4", twips(600, 720, 1575, 375)}, "Picture1", angleCommandCaption.toString()},
    {Kind::Guide, {"Text10", twips(120, 3840, 8535, 1695)}, nullptr, {}, u"使用说明"_s},
    {Kind::Caption, {"Label13", twips(4320, 5670, 735, 255)}, nullptr, u"官网:"_s},
    {Kind::Link, {"Label11", twips(4800, 5640, 1815, 255)}, nullptr, u"http://vessoria.example"_s,
     u"官网链接"_s},
    {Kind::Notice, {"Label12", twips(6600, 5670, 2175, 255)}, nullptr, u"© Vessoria 版权所有"_s},
};

// A screen reader hears a panel's name on entering it; without one of its
// own, Qt would name it after its frame and the frame's title be read twice.
const QString optionPanelName = u"输入格式"_s;

const char* const keyboardOrder[] = {"Text1",    "Text2",    "Text3",   "Text4",   "Text5",
                                     "Text6",    "Text7",    "Text8",   "Text9",   "Text10",
                                     "Command3", "Command4", "Option1", "Option2", "Option3",
                                     "Option4",  "Option5",  "Option6"};

// ---------------------------------------------------------------- the builders

template <typename Widget>
Widget* place(QWidget* container, const Placed& place)
{
    auto* widget = new Widget(container);
    widget->setObjectName(QLatin1StringView(place.name));
    widget->setGeometry(place.geometry);
    return widget;
}

QGroupBox* addFrame(QWidget* container, const Placed& where, const QString& title, QStyle* style)
{
    auto* frame = place<QGroupBox>(container, where);
    frame->setTitle(title);
    frame->setStyle(style);
    fillBackground(frame);
    return frame;
}

QLabel* addLabel(QWidget* container, const Placed& where, const QString& text)
{
    auto* label = place<QLabel>(container, where);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    fillBackground(label);
    return label;
}

template <typename Field>
Field* addField(QWidget* container, const Placed& where, const QString& accessibleName)
{
    auto* field = place<Field>(container, where);
    field->setFont(songFont(12));
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setAccessibleName(accessibleName);
    return field;
}

PairedOption* addOption(QWidget* panel, const Placed& where, const QString& caption,
                        const QString& accessibleName)
{
    auto* option = place<PairedOption>(panel, where);
    option->setText(caption);
    option->setAccessibleName(accessibleName);
    fillBackground(option);
    // A button fills its surface with the button colour; an option's surface
    // is part of the panel it stands on, in the window colour.
    option->setBackgroundRole(QPalette::Window);
    return option;
}

PointFields addPointFrame(QWidget* window, const PointFrame& row, QStyle* frameStyle)
{
    QGroupBox* frame = addFrame(window, row.frame, row.title, frameStyle);
    auto* panel = place<QWidget>(frame, row.panel);
    panel->setAccessibleName(optionPanelName);
    fillBackground(panel);
    PairedOption* minutes = addOption(panel, row.minutes, u"分"_s, row.title + u"按分输入"_s);
    PairedOption* seconds = addOption(panel, row.seconds, u"秒"_s, row.title + u"按秒输入"_s);
    minutes->setChecked(true);
    PairedOption::pair(minutes, seconds);
    addLabel(frame, row.latitudeLabel, u"纬度"_s);
    EntryField* latitude = addField<EntryField>(frame, row.latitude, row.title + u"纬度"_s);
    addLabel(frame, row.longitudeLabel, u"经度"_s);
    EntryField* longitude = addField<EntryField>(frame, row.longitude, row.title + u"经度"_s);
    return {latitude, longitude, minutes};
}

void addControl(QWidget* window, const Control& row, QStyle* frameStyle)
{
    QWidget* container = row.container == nullptr
        ? window
        : window->findChild<QWidget*>(QLatin1StringView(row.container));
    const QColor menuTextColour = QApplication::palette("QMenu").color(QPalette::Text);
    switch (row.kind) {
    case Kind::Frame:
        addFrame(container, row.place, row.text, frameStyle);
        break;
    case Kind::Panel: {
        auto* panel = place<QWidget>(container, row.place);
        panel->setAccessibleName(row.accessibleName);
        fillBackground(panel);
        break;
    }
    case Kind::Label:
        addLabel(container, row.place, row.text);
        break;
    case Kind::Note: {
        auto* note = place<SongLabel>(container, row.place);
        note->setText(row.text);
        note->setWordWrap(true);
        fillBackground(note);
        break;
    }
    case Kind::Output: {
        QLineEdit* field = addField<ResultField>(container, row.place, row.accessibleName);
        setColour(field, QPalette::Base, windowColour());
        break;
    }
    case Kind::Command: {
        auto* button = place<CommandButton>(container, row.place);
        button->setText(row.text);
        button->setAccessibleName(row.text);
        button->setAutoDefault(false);
        button->setDefault(false);
        fillBackground(button);
        setColour(button, QPalette::Button, windowColour());
        break;
    }
    case Kind::Guide: {
        auto* guide = place<QPlainTextEdit>(container, row.place);
        guide->setFont(songFont(9.75));
        guide->setPlainText(helpText());
        guide->setReadOnly(true);
        guide->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        guide->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        guide->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        guide->setTabChangesFocus(true);
        guide->setAccessibleName(row.accessibleName);
        break;
    }
    case Kind::Caption:
    case Kind::Notice: {
        // Set as the link is, so that the bottom line shares one baseline.
        auto* caption = place<SongLabel>(container, row.place);
        caption->setText(row.text);
        if (row.kind == Kind::Notice)
            setColour(caption, QPalette::WindowText, menuTextColour);
        break;
    }
    case Kind::Link: {
        auto* link = place<LinkLabel>(container, row.place);
        link->setAddress(QUrl(row.text));
        QFont font = songFont(10.5);
        font.setUnderline(true);
        link->setFont(font);
        link->setCursor(QCursor(resourcePng(u":/cursors/pointing-hand.png"_s), 6, 0));
        link->setAccessibleName(row.accessibleName);
        setColour(link, QPalette::WindowText, menuTextColour);
        setColour(link, QPalette::Window, windowColour());  // stays transparent
        break;
    }
    }
}

template <typename Widget>
Widget* find(const QWidget* window, const char* name)
{
    return window->findChild<Widget*>(QLatin1StringView(name));
}

// Centred on its screen. A screen too small for the window's fixed size (a
// small one at 200 %) gets its top left corner, title bar included, in the
// screen's, so that the window can still be moved and closed: move() places
// the frame, where setGeometry places what is inside it.
void placeOnScreen(QWidget* window)
{
    const QRect screen = window->screen()->availableGeometry();
    const QRect centred =
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen);
    if (screen.contains(centred))
        window->setGeometry(centred);
    else
        window->move(std::max(centred.left(), screen.left()), std::max(centred.top(), screen.top()));
}

}  // namespace

WindowControls buildWindow(QWidget* window)
{
    QAccessible::installFactory(&windowInterface);
    window->setWindowTitle(u"Vessoria—Tarnquil1.1"_s);
    window->setWindowIcon(applicationIcon());
    window->setFixedSize(pixels(8820), pixels(6120));
    // The window's own font, which every control without a font of its own
    // uses: the Song face at 9 points, as on a Chinese desktop, rather than
    // the desktop's sans-serif. The fields already ask for the Song face, so
    // the window needs only one CJK face: that saves about 5.5 MB of mapped
    // font file and FreeType memory at start-up.
    window->setFont(songFont(9));
    fillBackground(window);

    auto* frameStyle = new PlainFrameStyle(QStyleFactory::create(window->style()->name()));
    frameStyle->setParent(window);
    PointFields points[std::size(pointFrames)];
    for (std::size_t i = 0; i < std::size(pointFrames); ++i)
        points[i] = addPointFrame(window, pointFrames[i], frameStyle);
    for (const Control& row : controls)
        addControl(window, row, frameStyle);

    for (std::size_t i = 1; i < std::size(keyboardOrder); ++i)
        QWidget::setTabOrder(find<QWidget>(window, keyboardOrder[i - 1]),
                             find<QWidget>(window, keyboardOrder[i]));
    find<QWidget>(window, keyboardOrder[0])->setFocus();
    placeOnScreen(window);

    return {points[0],
            points[1],
            points[2],
            find<QLineEdit>(window, "Text7"),
            find<QLineEdit>(window, "Text8"),
            find<QLineEdit>(window, "Text9"),
            find<QPushButton>(window, "Command3"),
            find<QPushButton>(window, "Command4"),
            find<LinkLabel>(window, "Label11"),
            QLine(pixels(120), pixels(3840), pixels(8640), pixels(3840))};
}

}  // namespace tarnquil
