// SPDX-License-Identifier: GPL-3.0-or-later
#include "waypoint_table_model.h"

#include "refusal_mark.h"
#include "waypoint_commands.h"

#include "geo/position_text.h"

#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

const QString columnTitles[WaypointTableModel::columns] = {
    u"序号"_s, u"名称"_s, u"纬度"_s, u"经度"_s, u"航法"_s,
    u"航向（°）"_s, u"航程（海里）"_s, u"累计（海里）"_s, u"航时"_s, u"预计到达"_s,
};

// The route table's column of a computed column of ours, by the leg's method.
LegColumn legColumn(int column, nav::Method method)
{
    const bool greatCircle = method == nav::Method::GreatCircle;
    switch (column) {
    case WaypointTableModel::Course:
        return greatCircle ? LegColumn::GreatCircleCourse : LegColumn::RhumbCourse;
    case WaypointTableModel::Distance:
        return greatCircle ? LegColumn::GreatCircleDistance : LegColumn::RhumbDistance;
    case WaypointTableModel::Cumulative:
        return LegColumn::Cumulative;
    case WaypointTableModel::TimeUnderWay:
        return LegColumn::TimeUnderWay;
    case WaypointTableModel::Eta:
        return LegColumn::Eta;
    case WaypointTableModel::Latitude:
        return LegColumn::Latitude;
    case WaypointTableModel::Longitude:
        return LegColumn::Longitude;
    default:
        return LegColumn::Number;
    }
}

bool isCoordinate(int column)
{
    return column == WaypointTableModel::Latitude || column == WaypointTableModel::Longitude;
}

bool isNumber(int column)
{
    return column == WaypointTableModel::Number
        || (column >= WaypointTableModel::Course && column <= WaypointTableModel::TimeUnderWay);
}

// The rows of `rows` (ascending) as runs of consecutive rows: first, count.
QList<std::pair<int, int>> runs(const QList<int>& rows)
{
    QList<std::pair<int, int>> found;
    for (int row : rows) {
        if (!found.isEmpty() && found.last().first + found.last().second == row)
            ++found.last().second;
        else
            found.append({row, 1});
    }
    return found;
}

}  // namespace

QString methodName(nav::Method method)
{
    return method == nav::Method::GreatCircle ? u"GC 大圆"_s : u"RL 恒向线"_s;
}

std::optional<nav::Method> methodFromName(const QString& name)
{
    const QString word = name.trimmed();
    for (const nav::Method method : {nav::Method::Rhumb, nav::Method::GreatCircle}) {
        const QString full = tarnquil::methodName(method);
        const QStringList parts = full.split(u' ');
        if (word == full || word.compare(parts.first(), Qt::CaseInsensitive) == 0
            || word == parts.last())
            return method;
    }
    return std::nullopt;
}

WaypointTableModel::WaypointTableModel(QUndoStack* undoStack, QObject* parent)
    : QAbstractTableModel(parent)
    , undoStack_(undoStack)
{
}

int WaypointTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(waypoints_.size());
}

int WaypointTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns;
}

const CellRefusal* WaypointTableModel::cellRefusal(int row, int column) const
{
    if (!isCoordinate(column))
        return nullptr;
    const LegColumn wanted = legColumn(column, nav::Method::Rhumb);
    for (const CellRefusal& refusal : table_.at(row).refusals) {
        if (refusal.column == wanted)
            return &refusal;
    }
    return nullptr;
}

QString WaypointTableModel::refusal(const QModelIndex& index) const
{
    const CellRefusal* found = cellRefusal(index.row(), index.column());
    return found == nullptr ? QString() : found->message;
}

// A coordinate that was read shows as the route table writes it, so that the
// navigator sees how the text was taken; a refused one shows as typed.
QString WaypointTableModel::shownText(int row, int column) const
{
    const WaypointText& waypoint = waypoints_.at(row);
    const QStringList& texts = table_.at(row).texts;
    switch (column) {
    case Number:
        return QString::number(row + 1);
    case Name:
        return waypoint.name;
    case Latitude:
    case Longitude: {
        const QString typed = column == Latitude ? waypoint.latitude : waypoint.longitude;
        const QString read = texts.value(int(legColumn(column, waypoint.method)));
        return cellRefusal(row, column) != nullptr || read.isEmpty() ? typed : read;
    }
    case Method:
        return texts.value(int(LegColumn::Method));
    default:
        return texts.value(int(legColumn(column, waypoint.method)));
    }
}

QVariant WaypointTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    const WaypointText& waypoint = waypoints_.at(row);
    switch (role) {
    case Qt::DisplayRole:
        return shownText(row, column);
    case Qt::EditRole:
        if (column == Method)
            return int(waypoint.method);
        if (column == Latitude)
            return waypoint.latitude;
        if (column == Longitude)
            return waypoint.longitude;
        return shownText(row, column);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        if (const CellRefusal* found = cellRefusal(row, column))
            return found->message;
        if (column == Method && row > 0)
            return tarnquil::methodName(waypoint.method);
        const QString typed = data(index, Qt::EditRole).toString();
        if (isCoordinate(column) && typed != shownText(row, column))
            return u"输入：%1"_s.arg(typed);
        return {};
    }
    case Qt::BackgroundRole:
        if (cellRefusal(row, column) != nullptr)
            return refusalTint;
        return {};
    case Qt::DecorationRole:
        if (cellRefusal(row, column) == nullptr)
            return {};
        if (refusalIcon_.isNull())
            refusalIcon_ = refusalIcon();
        return refusalIcon_;
    case Qt::TextAlignmentRole:
        return isNumber(column) ? int(Qt::AlignRight | Qt::AlignVCenter)
                                : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant WaypointTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return columnTitles[section];
    if (role == Qt::ToolTipRole && (section == Course || section == Distance))
        return u"到达本航点的航段，按该航段的航法"_s;
    return {};
}

Qt::ItemFlags WaypointTableModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const int column = index.column();
    const bool editable = column == Name || isCoordinate(column) || (column == Method && index.row() > 0);
    return editable ? flags | Qt::ItemIsEditable : flags;
}

bool WaypointTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int row = index.row();
    WaypointText after = waypoints_.at(row);
    QString text;
    switch (index.column()) {
    case Name:
        after.name = value.toString();
        text = u"编辑名称"_s;
        break;
    case Latitude:
    case Longitude: {
        const QString typed = value.toString();
        if (const auto parts = geo::splitPosition(typed.toStdString())) {
            after.latitude = QString::fromStdString(parts->latitude);
            after.longitude = QString::fromStdString(parts->longitude);
            text = u"编辑位置"_s;
        } else if (index.column() == Latitude) {
            after.latitude = typed;
            text = u"编辑纬度"_s;
        } else {
            after.longitude = typed;
            text = u"编辑经度"_s;
        }
        break;
    }
    case Method:
        after.method = nav::Method(value.toInt());
        text = u"更改航法"_s;
        break;
    }
    const WaypointText& before = waypoints_.at(row);
    if (after.name == before.name && after.latitude == before.latitude
        && after.longitude == before.longitude && after.method == before.method)
        return true;
    undoStack_->push(new EditWaypointCommand(this, row, std::move(after), text));
    return true;
}

void WaypointTableModel::setSettings(const RouteSettings& settings)
{
    settings_ = settings;
    recompute();
}

void WaypointTableModel::recompute()
{
    table_ = makeRouteTable(waypoints_, settings_);
    if (!waypoints_.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columns - 1));
}

void WaypointTableModel::replaceWaypoint(int row, const WaypointText& waypoint)
{
    waypoints_[row] = waypoint;
    recompute();
    emit waypointsEdited(row, 1);
}

void WaypointTableModel::insertWaypoints(const QList<PlacedWaypoint>& placed)
{
    if (placed.isEmpty())
        return;
    QList<int> rows;
    for (const PlacedWaypoint& one : placed)
        rows.append(one.row);
    qsizetype next = 0;
    for (const auto& [first, count] : runs(rows)) {
        beginInsertRows({}, first, first + count - 1);
        // A run at once: a paste of thousands of rows moves the rows after
        // it once, not once per row.
        waypoints_.insert(first, count, WaypointText{});
        for (int row = first; row < first + count; ++row, ++next)
            waypoints_[row] = placed.at(next).waypoint;
        // Rows the view may ask for before the route is computed again.
        table_.insert(first, count, RouteTableRow{});
        endInsertRows();
    }
    recompute();
    emit waypointsEdited(rows.first(), int(rows.last() - rows.first() + 1));
}

void WaypointTableModel::removeWaypoints(const QList<int>& rows)
{
    if (rows.isEmpty())
        return;
    const QList<std::pair<int, int>> found = runs(rows);
    for (auto run = found.crbegin(); run != found.crend(); ++run) {
        beginRemoveRows({}, run->first, run->first + run->second - 1);
        waypoints_.remove(run->first, run->second);
        table_.remove(run->first, run->second);
        endRemoveRows();
    }
    recompute();
    if (!waypoints_.isEmpty())
        emit waypointsEdited(std::min(rows.first(), rowCount() - 1), 1);
}

void WaypointTableModel::moveWaypoint(int from, int to)
{
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    waypoints_.move(from, to);
    table_.move(from, to);
    endMoveRows();
    recompute();
    emit waypointsEdited(to, 1);
}

void WaypointTableModel::resetWaypoints(const QList<WaypointText>& waypoints)
{
    beginResetModel();
    waypoints_ = waypoints;
    table_ = makeRouteTable(waypoints_, settings_);
    endResetModel();
}

}  // namespace tarnquil
