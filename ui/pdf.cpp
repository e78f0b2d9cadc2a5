// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf.h"

#include "conversion_message.h"
#include "help_text.h"
#include "keyboard_controls.h"
#include "link_label.h"
#include "song_label.h"
#include "plain_frame_style.h"
#include "twips.h"

#include "geo/angle.h"
#include "geo/errors.h"
#include "geo/distance.h"
#include "geo/display.h"

#include <QApplication>
#include <QDirIterator>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QUrl>

#include <limits>

using namespace Qt::StringLiterals;
using tarnquil::pointFromTwips;
using tarnquil::rectFromTwips;
using tarnquil::sizeFromTwips;

namespace {

const QString promptTitle = u"提示"_s;
const QString incompleteInputMessage = u"请输入完整的经纬信息！"_s;
const QString calculationFailedMessage = u"无法完成计算：输入的数值超出了可计算的范围。"_s;
const QString websiteAddress = u"http://vessoria.example"_s;

const QColor background(0xE2, 0xEC, 0xFD);
const QColor linkHoverColour(255, 0, 0);

// Text fonts: a Song face, asked for by its Windows name first.
QFont songFont(qreal pointSize)
{
    QFont font;
    font.setFamilies({u"宋体"_s, u"SimSun"_s, u"Noto Serif CJK SC"_s});
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

template <typename Control>
Control* place(QWidget* container, const char* name, QRect geometry)
{
    auto* control = new Control(container);
    control->setObjectName(QLatin1StringView(name));
    control->setGeometry(geometry);
    return control;
}

QLabel* addLabel(QWidget* container, const char* name, const QString& text, QRect geometry)
{
    auto* label = place<QLabel>(container, name, geometry);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* addTextBox(QWidget* container, const char* name, QRect geometry,
                      const QString& accessibleName, bool readOnly)
{
    auto* field = place<QLineEdit>(container, name, geometry);
    field->setFont(songFont(12));
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setReadOnly(readOnly);
    field->setAccessibleName(accessibleName);
    return field;
}

tarnquil::PairedOption* addOption(QWidget* panel, const char* name, const QString& caption,
                        QRect geometry, const QString& accessibleName)
{
    auto* option = place<tarnquil::PairedOption>(panel, name, geometry);
    option->setText(caption);
    option->setAccessibleName(accessibleName);
    // A button fills its surface with the button colour; an option's surface
    // is part of the panel it stands on, in the window colour.
    option->setBackgroundRole(QPalette::Window);
    return option;
}

void setColour(QWidget* control, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
}

// The control's own background, painted in the window colour.
void fillBackground(QWidget* control)
{
    setColour(control, QPalette::Window, background);
    control->setAutoFillBackground(true);
}

// A PNG from the program's resources, read by Qt's own PNG reader. Left to
// find the format itself, QImageReader would first load every image-format
// plugin installed (and the libraries they use) to ask each whether it reads
// PNG, which costs the start-up about as much as decoding all the PNGs.
QPixmap resourcePng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The icon in every size the resources hold, for the window system to choose
// from. The folders are walked without a name filter: a wildcard filter is
// compiled into a regular expression, which the start-up can do without.
QIcon applicationIcon()
{
    QIcon icon;
    QDirIterator files(u":/icons/hicolor"_s, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        if (file.endsWith(u".png"_s))
            icon.addPixmap(resourcePng(file));
    }
    return icon;
}

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

pdf::pdf(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
    , prompt_([this](const QString& message) {
        QMessageBox box(QMessageBox::NoIcon, promptTitle, message, QMessageBox::Ok, this);
        box.button(QMessageBox::Ok)->setText(u"确定"_s);
        // Messages quote what the user typed, which is never to be read as markup.
        box.setTextFormat(Qt::PlainText);
        box.exec();
    })
    , buttonTextColour_(QApplication::palette("QPushButton").color(QPalette::ButtonText))
    , line1_(pointFromTwips(120, 3840), pointFromTwips(8640, 3840))
{
    setWindowTitle(u"Vessoria—Tarnquil1.1"_s);
    setWindowIcon(applicationIcon());
    setFixedSize(sizeFromTwips(8820, 6120));
    // The window's own font, which every control without a font of its own
    // uses: the Song face at 9 points, as on a Chinese desktop, rather than
    // the desktop's sans-serif. The fields already ask for the Song face, so
    // the window needs only one CJK face: that saves about 5.5 MB of mapped
    // font file and FreeType memory at start-up.
    setFont(songFont(9));
    setMouseTracking(true);

    createControls();
    setKeyboardOrder();
    load();

    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
    Text1->setFocus();
}

double pdf::distance(double lat1, double lon1, double lat2, double lon2) const
{
    return geo::distance(lat1, lon1, lat2, lon2);
}

void pdf::setPrompt(Prompt prompt)
{
    prompt_ = std::move(prompt);
}

void pdf::createControls()
{
    createPointFrames();
    createOutputFrames();
    createBottomLine();

    auto* frameStyle = new tarnquil::PlainFrameStyle(QStyleFactory::create(style()->name()));
    frameStyle->setParent(this);
    for (QGroupBox* frame : {Frame1, Frame2, Frame3, Frame4, Frame5, Frame6})
        frame->setStyle(frameStyle);
}

void pdf::createPointFrames()
{
    Frame1 = place<QGroupBox>(this, "Frame1", rectFromTwips(120, 240, 2655, 1695));
    Frame1->setTitle(u"点Ⅰ"_s);
    Frame2 = place<QGroupBox>(this, "Frame2", rectFromTwips(2880, 240, 3015, 1695));
    Frame2->setTitle(u"点Ⅱ"_s);
    Frame3 = place<QGroupBox>(this, "Frame3", rectFromTwips(120, 2040, 2655, 1695));
    Frame3->setTitle(u"参考点"_s);

    Picture2 = place<QWidget>(Frame1, "Picture2", rectFromTwips(360, 240, 2175, 255));
    Option1 = addOption(Picture2, "Option1", u"分"_s, rectFromTwips(480, 0, 495, 255), u"点Ⅰ按分输入"_s);
    Option2 = addOption(Picture2, "Option2", u"秒"_s, rectFromTwips(1080, 0, 495, 255), u"点Ⅰ按秒输入"_s);
    Label1 = addLabel(Frame1, "Label1", u"纬度"_s, rectFromTwips(120, 720, 495, 255));
    Text1 = addTextBox(Frame1, "Text1", rectFromTwips(720, 600, 1575, 375), u"点Ⅰ纬度"_s, false);
    Label2 = addLabel(Frame1, "Label2", u"经度"_s, rectFromTwips(120, 1200, 615, 255));
    Text2 = addTextBox(Frame1, "Text2", rectFromTwips(720, 1080, 1575, 375), u"点Ⅰ经度"_s, false);

    Picture3 = place<QWidget>(Frame2, "Picture3", rectFromTwips(600, 240, 2295, 255));
    Option3 = addOption(Picture3, "Option3", u"分"_s, rectFromTwips(480, 0, 495, 255), u"点Ⅱ按分输入"_s);
    Option4 = addOption(Picture3, "Option4", u"秒"_s, rectFromTwips(1080, 0, 495, 255), u"点Ⅱ按秒输入"_s);
    Label3 = addLabel(Frame2, "Label3", u"纬度"_s, rectFromTwips(360, 720, 615, 255));
    Text3 = addTextBox(Frame2, "Text3", rectFromTwips(960, 600, 1695, 375), u"点Ⅱ纬度"_s, false);
    Label4 = addLabel(Frame2, "Label4", u"经度"_s, rectFromTwips(360, 1200, 615, 255));
    Text4 = addTextBox(Frame2, "Text4", rectFromTwips(960, 1080, 1695, 375), u"点Ⅱ经度"_s, false);

    Picture4 = place<QWidget>(Frame3, "Picture4", rectFromTwips(480, 240, 2055, 255));
    Option5 = addOption(Picture4, "Option5", u"分"_s, rectFromTwips(360, 0, 495, 255), u"参考点按分输入"_s);
    Option6 = addOption(Picture4, "Option6", u"秒"_s, rectFromTwips(960, 0, 495, 255), u"参考点按秒输入"_s);
    Label5 = addLabel(Frame3, "Label5", u"纬度"_s, rectFromTwips(120, 720, 495, 255));
    Text5 = addTextBox(Frame3, "Text5", rectFromTwips(720, 600, 1575, 375), u"参考点纬度"_s, false);
    Label6 = addLabel(Frame3, "Label6", u"经度"_s, rectFromTwips(120, 1200, 495, 255));
    Text6 = addTextBox(Frame3, "Text6", rectFromTwips(720, 1080, 1575, 375), u"参考点经度"_s, false);

    for (QRadioButton* minutesOption : {Option1, Option3, Option5})
        minutesOption->setChecked(true);
    tarnquil::PairedOption::pair(Option1, Option2);
    tarnquil::PairedOption::pair(Option3, Option4);
    tarnquil::PairedOption::pair(Option5, Option6);
}

void pdf::createOutputFrames()
{
    Frame4 = place<QGroupBox>(this, "Frame4", rectFromTwips(6000, 240, 2655, 1695));
    Frame4->setTitle(u"距离输出"_s);
    Label7 = addLabel(Frame4, "Label7", u"公里"_s, rectFromTwips(120, 720, 375, 255));
    Text7 = addTextBox(Frame4, "Text7", rectFromTwips(720, 600, 1575, 375), u"距离（公里）"_s, true);
    Label8 = addLabel(Frame4, "Label8", u"海里"_s, rectFromTwips(120, 1200, 495, 255));
    Text8 = addTextBox(Frame4, "Text8", rectFromTwips(720, 1080, 1575, 375), u"距离（海里）"_s, true);

    Frame6 = place<QGroupBox>(this, "Frame6", rectFromTwips(2880, 2040, 3015, 1695));
    Frame6->setTitle(u"角度输出"_s);
    Label9 = addLabel(Frame6, "Label9", u"角度"_s, rectFromTwips(360, 720, 495, 255));
    Text9 = addTextBox(Frame6, "Text9", rectFromTwips(960, 600, 1695, 375), u"夹角（度）"_s, true);
    Label10 = place<tarnquil::SongLabel>(Frame6, "Label10", rectFromTwips(360, 1080, 2415, 375));
    Label10->setWordWrap(true);
    Label10->setText(u"注意：此夹角为1、2两点相对于参考点所成"_s);

    Frame5 = place<QGroupBox>(this, "Frame5", rectFromTwips(6000, 2040, 2655, 1695));
    Frame5->setTitle(u"功能键"_s);
    Picture1 = place<QWidget>(Frame5, "Picture1", rectFromTwips(120, 360, 2415, 1215));
    const auto addCommand = [this](const char* name, const QString& caption, QRect geometry,
                                   void (pdf::*handler)()) {
        auto* button = place<tarnquil::CommandButton>(Picture1, name, geometry);
        button->setText(caption);
        button->setAccessibleName(caption);
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    Command3 = addCommand("Command3", u"计算两点距离"_s, rectFromTwips(600, 240, 1575, 375),
                          &pdf::computeDistance);
    Command4 = addCommand("Command4", u"计算三点夹角"_s, rectFromTwips(600, 720, 1575, 375),
                          &pdf::computeAngle);
}

void pdf::createBottomLine()
{
    Text10 = place<QPlainTextEdit>(this, "Text10", rectFromTwips(120, 3840, 8535, 1695));
    Text10->setFont(songFont(9.75));
    Text10->setPlainText(tarnquil::helpText());
    Text10->setReadOnly(true);
    Text10->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text10->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text10->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text10->setTabChangesFocus(true);
    Text10->setAccessibleName(u"使用说明"_s);

    const QColor menuTextColour = QApplication::palette("QMenu").color(QPalette::Text);
    // The link's neighbours are set as it is, so that the three share a baseline.
    Label13 = place<tarnquil::SongLabel>(this, "Label13", rectFromTwips(4320, 5670, 735, 255));
    Label13->setText(u"官网:"_s);
    Label11 = place<tarnquil::LinkLabel>(this, "Label11", rectFromTwips(4800, 5640, 1815, 255));
    Label11->setAddress(QUrl(websiteAddress));
    Label11->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont linkFont = songFont(10.5);
    linkFont.setUnderline(true);
    Label11->setFont(linkFont);
    Label11->setCursor(QCursor(resourcePng(u":/cursors/pointing-hand.png"_s), 6, 0));
    Label11->setAccessibleName(u"官网链接"_s);
    setColour(Label11, QPalette::WindowText, menuTextColour);
    connect(Label11, &tarnquil::LinkLabel::pointerMoved, this, &pdf::showLinkHovered);
    connect(Label11, &tarnquil::LinkLabel::openFailed, this, &pdf::reportWebsiteUnreachable);
    Label12 = place<tarnquil::SongLabel>(this, "Label12", rectFromTwips(6600, 5670, 2175, 255));
    Label12->setText(u"© Vessoria 版权所有"_s);
    setColour(Label12, QPalette::WindowText, menuTextColour);
}

void pdf::setKeyboardOrder()
{
    QWidget* const order[] = {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9,
                              Text10, Command3, Command4, Option1, Option2, Option3, Option4,
                              Option5, Option6};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// The load handler: the start-up colouring, in its fixed order.
void pdf::load()
{
    fillBackground(this);
    for (QWidget* frame : {Frame1, Frame2, Frame3, Frame4, Frame5, Frame6})
        fillBackground(frame);
    for (QWidget* label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8,
                           Label9, Label10})
        fillBackground(label);
    setColour(Label11, QPalette::Window, background);  // stays transparent
    for (QWidget* option : {Option1, Option2, Option3, Option4, Option5, Option6})
        fillBackground(option);
    for (QWidget* panel : {Picture1, Picture2, Picture3, Picture4})
        fillBackground(panel);
    for (QWidget* button : {Command3, Command4}) {
        fillBackground(button);
        setColour(button, QPalette::Button, background);
    }
    for (QWidget* output : {Text7, Text8, Text9})
        setColour(output, QPalette::Base, background);
}

void pdf::computeDistance()
{
    const PointFields fields[] = {{Text1, Text2, Option1}, {Text3, Text4, Option3}};
    const auto points = readPoints(fields);
    if (!points)
        return;
    const geo::GeoPoint& point1 = (*points)[0];
    const geo::GeoPoint& point2 = (*points)[1];
    try {
        const double kilometres
            = distance(point1.latitude, point1.longitude, point2.latitude, point2.longitude);
        const geo::DistanceReadout readout = geo::distanceReadout(kilometres);
        Text7->setText(fromUtf8(readout.kilometres));
        Text8->setText(fromUtf8(readout.nauticalMiles));
    } catch (const geo::ArithmeticError&) {
        prompt_(calculationFailedMessage);
    }
}

void pdf::computeAngle()
{
    const PointFields fields[] = {
        {Text1, Text2, Option1}, {Text3, Text4, Option3}, {Text5, Text6, Option5}};
    const auto points = readPoints(fields);
    if (!points)
        return;
    try {
        const double degrees = geo::angle((*points)[0], (*points)[1], (*points)[2]);
        Text9->setText(fromUtf8(geo::angleReadout(degrees)));
    } catch (const geo::ArithmeticError&) {
        prompt_(calculationFailedMessage);
    }
}

std::optional<std::vector<geo::GeoPoint>> pdf::readPoints(std::span<const PointFields> fields)
{
    for (const PointFields& point : fields) {
        if (point.latitude->text().isEmpty() || point.longitude->text().isEmpty()) {
            prompt_(incompleteInputMessage);
            return std::nullopt;
        }
    }
    std::vector<geo::GeoPoint> points;
    for (const PointFields& point : fields) {
        const geo::EntryMode mode = point.minutesOption->isChecked() ? geo::EntryMode::Minutes
                                                                     : geo::EntryMode::Seconds;
        const std::optional<double> latitude = readCoordinate(point.latitude, mode);
        if (!latitude)
            return std::nullopt;
        const std::optional<double> longitude = readCoordinate(point.longitude, mode);
        if (!longitude)
            return std::nullopt;
        points.push_back({*latitude, *longitude});
    }
    return points;
}

std::optional<double> pdf::readCoordinate(QLineEdit* field, geo::EntryMode mode)
{
    try {
        return geo::toDecimalDegrees(field->text().toStdString(), mode);
    } catch (const geo::ConversionError& error) {
        prompt_(tarnquil::conversionFailureMessage(field->accessibleName(), field->text(), mode,
                                                   error));
        field->setFocus();
        field->selectAll();
        return std::nullopt;
    }
}

void pdf::reportWebsiteUnreachable()
{
    prompt_(u"无法打开网址“%1”，请确认系统已设置默认浏览器。"_s.arg(websiteAddress));
}

void pdf::showLinkHovered()
{
    setLinkColour(linkHoverColour);
}

void pdf::setLinkColour(const QColor& colour)
{
    setColour(Label11, QPalette::WindowText, colour);
}

// Only movement over the window's own surface counts, not over its controls,
// even when a control passes the event on because a mouse button is held.
void pdf::mouseMoveEvent(QMouseEvent* event)
{
    if (childAt(event->position().toPoint()) == nullptr)
        setLinkColour(buttonTextColour_);
    QWidget::mouseMoveEvent(event);
}

void pdf::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QApplication::palette("QScrollBar").color(QPalette::Mid));
    painter.drawLine(line1_);
}
