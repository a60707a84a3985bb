#include "grid/GridTableModel.h"

#include "base/CodePage.h"

#include <algorithm>

namespace qorvel {

GridTableModel::GridTableModel(StringGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {
    grid_.addObserver(this);
}

GridTableModel::~GridTableModel() {
    grid_.removeObserver(this);
}

QString GridTableModel::decode(const std::string& bytes) {
    if (bytes.empty()) {
        return QString();
    }
    return QString::fromStdU16String(CodePage::host().toUtf16(bytes));
}

std::string GridTableModel::encode(const QString& text) {
    return CodePage::host().fromUtf16(text.toStdU16String());
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, modelRow(grid_.rowCount()));
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.colCount();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return QVariant();
    }
    return decode(grid_.cell(index.column(), gridRow(index.row())));
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QVariant();
    }
    return decode(grid_.cell(section, 0));
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString()) {
        return false; // looked at, not changed: the stored bytes stay as they are
    }
    grid_.setCell(index.column(), gridRow(index.row()), encode(text));
    return true;
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (grid_.options() == GridOptions::Editing) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

void GridTableModel::rowCountAboutToChange(int oldCount, int newCount) {
    const int oldRows = std::max(0, modelRow(oldCount));
    const int newRows = std::max(0, modelRow(newCount));
    if (newRows > oldRows) {
        beginInsertRows(QModelIndex(), oldRows, newRows - 1);
    } else if (newRows < oldRows) {
        beginRemoveRows(QModelIndex(), newRows, oldRows - 1);
    }
}

void GridTableModel::rowCountChanged(int oldCount, int newCount) {
    const int oldRows = std::max(0, modelRow(oldCount));
    const int newRows = std::max(0, modelRow(newCount));
    if (newRows > oldRows) {
        endInsertRows();
    } else if (newRows < oldRows) {
        endRemoveRows();
    }
}

void GridTableModel::colCountAboutToChange(int oldCount, int newCount) {
    if (newCount > oldCount) {
        beginInsertColumns(QModelIndex(), oldCount, newCount - 1);
    } else {
        beginRemoveColumns(QModelIndex(), newCount, oldCount - 1);
    }
}

void GridTableModel::colCountChanged(int oldCount, int newCount) {
    if (newCount > oldCount) {
        endInsertColumns();
    } else {
        endRemoveColumns();
    }
}

void GridTableModel::announce(const GridRect& cells) {
    const int left = std::max(cells.left, 0);
    const int right = std::min(cells.right, grid_.colCount() - 1);
    if (left > right) {
        return;
    }
    if (cells.top <= 0 && cells.bottom >= 0) {
        emit headerDataChanged(Qt::Horizontal, left, right);
    }
    const int top = std::max(modelRow(cells.top), 0);
    const int bottom = std::min(modelRow(cells.bottom), rowCount() - 1);
    if (top <= bottom) {
        emit dataChanged(index(top, left), index(bottom, right), {Qt::DisplayRole, Qt::EditRole});
    }
}

void GridTableModel::cellsChanged(const GridRect& cells) {
    announce(cells);
}

void GridTableModel::rowsMoved(int from, int to) {
    announce({0, std::min(from, to), grid_.colCount() - 1, std::max(from, to)});
}

void GridTableModel::columnsMoved(int from, int to) {
    announce({std::min(from, to), 0, std::max(from, to), grid_.rowCount() - 1});
}

void GridTableModel::optionsChanged() {
    // Editability is a flag of every cell.
    announce({0, 0, grid_.colCount() - 1, grid_.rowCount() - 1});
}

} // namespace qorvel
