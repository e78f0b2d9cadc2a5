// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/waypoint_table_model.h"

#include "text/form_words.h"
#include "text/method_words.h"

#include "geo/position_text.h"

#include <QMap>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

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

std::optional<geo::NumberForm> formOf(const WaypointText& waypoint, int column)
{
    return column == WaypointTableModel::Latitude ? waypoint.latitudeForm : waypoint.longitudeForm;
}

}  // namespace

WaypointTableModel::WaypointTableModel(QObject* parent)
    : QAbstractTableModel(parent)
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
    if (!waypoint_table::isRefusable(column))
        return nullptr;
    if (row == newRow()) {
        const WaypointText& waypoint = waypoints_.at(row);
        if ((column == Latitude ? waypoint.latitude : waypoint.longitude).isEmpty())
            return nullptr;
    }
    const LegColumn wanted = waypoint_table::shownColumn(column, nav::Method::Rhumb);
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
    const QString shown = legText(table_.at(row), waypoint_table::shownColumn(column, waypoint.method));
    if (!waypoint_table::isCoordinate(column))
        return shown;
    const QString typed = column == Latitude ? waypoint.latitude : waypoint.longitude;
    return cellRefusal(row, column) != nullptr || shown.isEmpty() ? typed : shown;
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
        if (column == Speed)
            return waypoint.speed;
        if (column == Current)
            return waypoint.current;
        if (column == Leeway)
            return waypoint.leeway;
        return shownText(row, column);
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        if (const CellRefusal* found = cellRefusal(row, column))
            return refusalMark_.data(found->message, role);
        if (column == Method && row > 0)
            return methodLabel(waypoint.method);
        const QString typed = data(index, Qt::EditRole).toString();
        if (waypoint_table::isCoordinate(column) && typed != shownText(row, column)) {
            const geo::NumberForm form = formOf(waypoint, column).value_or(settings_.form);
            return u"输入：%1（%2）"_s.arg(typed, formReading(form));
        }
        return {};
    }
    case Qt::BackgroundRole:
    case Qt::DecorationRole:
        return refusalMark_.data(refusal(index), role);
    case Qt::TextAlignmentRole:
        return int(waypoint_table::columns[column].alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant WaypointTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns)
        return QAbstractTableModel::headerData(section, orientation, role);
    const waypoint_table::ColumnInfo& info = waypoint_table::columns[section];
    if (role == Qt::DisplayRole)
        return info.title.toString();
    if (role == Qt::ToolTipRole && !info.titleTip.isEmpty())
        return info.titleTip.toString();
    return {};
}

Qt::ItemFlags WaypointTableModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    const int column = index.column();
    return waypoint_table::isTyped(column, index.row()) ? flags | Qt::ItemIsEditable : flags;
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
    // A text typed is read in the form of the moment, which it keeps.
    case Latitude:
    case Longitude: {
        const QString typed = value.toString();
        if (const auto parts = geo::splitPosition(typed.toStdString())) {
            after.latitude = QString::fromStdString(parts->latitude);
            after.longitude = QString::fromStdString(parts->longitude);
            after.latitudeForm = after.longitudeForm = settings_.form;
            text = u"编辑位置"_s;
        } else if (index.column() == Latitude) {
            after.latitude = typed;
            after.latitudeForm = settings_.form;
            text = u"编辑纬度"_s;
        } else {
            after.longitude = typed;
            after.longitudeForm = settings_.form;
            text = u"编辑经度"_s;
        }
        break;
    }
    case Method:
        after.method = nav::Method(value.toInt());
        text = u"更改航法"_s;
        break;
    case Speed:
        after.speed = value.toString().trimmed();
        text = u"编辑航速"_s;
        break;
    case Remark:
        after.remark = value.toString();
        text = u"编辑备注"_s;
        break;
    case Current:
        after.current = value.toString().trimmed();
        text = u"编辑流向/流速"_s;
        break;
    case Leeway:
        after.leeway = value.toString().trimmed();
        text = u"编辑风压差"_s;
        break;
    }
    if (after != waypoints_.at(row))
        emit editRequested(row, after, text);
    return true;
}

void WaypointTableModel::setSettings(const RouteSettings& settings)
{
    settings_ = settings;
    recompute();
}

QString WaypointTableModel::unusedName(const QString& base) const
{
    const QString numbered = base + u' ';
    int highest = 0;
    for (const WaypointText& waypoint : waypoints_) {
        bool read = false;
        const int number = waypoint.name.startsWith(numbered)
            ? waypoint.name.sliced(numbered.size()).toInt(&read)
            : 0;
        if (waypoint.name == base)
            highest = std::max(highest, 1);
        else if (read && number > 0)
            highest = std::max(highest, number);
    }
    return highest == 0 ? base : u"%1 %2"_s.arg(base).arg(highest + 1);
}

ClearedCells WaypointTableModel::clearedCells(const QModelIndexList& cells) const
{
    QMap<int, WaypointText> changed;
    int count = 0;
    for (const QModelIndex& cell : cells) {
        auto found = changed.find(cell.row());
        if (found == changed.end())
            found = changed.insert(cell.row(), waypoints_.at(cell.row()));
        QString* text = cell.column() == Name      ? &found->name
                      : cell.column() == Latitude  ? &found->latitude
                      : cell.column() == Longitude ? &found->longitude
                      : cell.column() == Speed     ? &found->speed
                      : cell.column() == Remark    ? &found->remark
                      : cell.column() == Current   ? &found->current
                      : cell.column() == Leeway    ? &found->leeway
                                                   : nullptr;
        if (text != nullptr && !text->isEmpty()) {
            text->clear();
            ++count;
        }
    }
    ClearedCells cleared{{}, count};
    for (auto it = changed.cbegin(); it != changed.cend(); ++it) {
        if (*it != waypoints_.at(it.key()))
            cleared.waypoints.append({it.key(), *it});
    }
    return cleared;
}

void WaypointTableModel::setNewRow(int row)
{
    const int before = newRow();
    if (row == before)
        return;
    newRow_ = row < 0 ? QPersistentModelIndex() : QPersistentModelIndex(index(row, Latitude));
    for (const int changed : {before, row}) {
        if (changed >= 0)
            emit dataChanged(index(changed, Latitude), index(changed, Longitude));
    }
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

void WaypointTableModel::replaceWaypoints(const QList<PlacedWaypoint>& placed)
{
    if (placed.isEmpty())
        return;
    for (const PlacedWaypoint& one : placed)
        waypoints_[one.row] = one.waypoint;
    recompute();
    emit waypointsEdited(placed.first().row, placed.last().row - placed.first().row + 1);
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

WaypointText WaypointTableModel::readNow(const WaypointText& waypoint) const
{
    return withForm(waypoint, settings_.form);
}

void WaypointTableModel::resetWaypoints(const QList<WaypointText>& waypoints)
{
    beginResetModel();
    waypoints_.clear();
    waypoints_.reserve(waypoints.size());
    for (const WaypointText& waypoint : waypoints)
        waypoints_.append(readNow(waypoint));
    table_ = makeRouteTable(waypoints_, settings_);
    endResetModel();
}

}  // namespace tarnquil
