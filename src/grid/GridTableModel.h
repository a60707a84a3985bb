#pragma once

#include "grid/StringGrid.h"

#include <QAbstractTableModel>

namespace qorvel {

// Shows a StringGrid to a table view. The grid's fixed row 0 is the horizontal header; model row
// r is grid row r + 1. Cells are bytes of the host's code page, decoded for display; an edit is
// encoded back and written only when its text differs from what is shown, so bytes that do not
// decode survive being looked at.
class GridTableModel : public QAbstractTableModel, private GridChangeObserver {
    Q_OBJECT

public:
    explicit GridTableModel(StringGrid& grid, QObject* parent = nullptr);
    ~GridTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static QString decode(const std::string& bytes);
    static std::string encode(const QString& text);

    // Grid rows and model rows.
    static int gridRow(int modelRow) { return modelRow + StringGrid::fixedRows(); }
    static int modelRow(int gridRow) { return gridRow - StringGrid::fixedRows(); }

private:
    void rowCountAboutToChange(int oldCount, int newCount) override;
    void rowCountChanged(int oldCount, int newCount) override;
    void colCountAboutToChange(int oldCount, int newCount) override;
    void colCountChanged(int oldCount, int newCount) override;
    void cellsChanged(const GridRect& cells) override;
    void rowsMoved(int from, int to) override;
    void columnsMoved(int from, int to) override;
    void optionsChanged() override;

    // Tells the views that the cells of grid rows top..bottom, columns left..right changed;
    // parts outside the grid are left out (the header row included).
    void announce(const GridRect& cells);

    StringGrid& grid_;
};

} // namespace qorvel
