#pragma once

#include "grid/FileList.h"
#include "grid/USGrid.h"
#include "support/FormFixture.h"

#include <QTest>
#include <string>
#include <vector>

namespace qorvel::testing {

// The main window shown with a list of entries, driven as a user drives it.
class CollectFixture : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->resize(1200, 600);
        form->show();
        form->USGrid->setColumnWidth(0, 200);
    }

    // Entries "/pages/e1.htm" ... with the titles "t1" ...
    void appendEntries(int count);
    std::vector<std::string> paths() const;

    QPoint cellCenter(int column, int row) const;
    void clickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void useCellEditing(bool on);
};

inline void CollectFixture::appendEntries(int count) {
    StringGrid& grid = form->USGrid->grid();
    for (int i = 1; i <= count; ++i) {
        const std::string name = "e" + std::to_string(i) + ".htm";
        AppendEntry(grid, form->FileCount, "/pages/" + name, name);
        grid.setCell(2, form->FileCount, "t" + std::to_string(i));
    }
}

inline std::vector<std::string> CollectFixture::paths() const {
    std::vector<std::string> result;
    const StringGrid& grid = form->USGrid->grid();
    for (int row = 1; row < grid.rowCount(); ++row) {
        result.push_back(grid.cell(0, row));
    }
    return result;
}

inline QPoint CollectFixture::cellCenter(int column, int row) const {
    const QModelIndex index = form->USGrid->model()->index(row - 1, column);
    return form->USGrid->visualRect(index).center();
}

inline void CollectFixture::clickRow(int row, Qt::KeyboardModifiers modifiers) {
    QTest::mouseClick(form->USGrid->viewport(), Qt::LeftButton, modifiers, cellCenter(1, row));
}

inline void CollectFixture::useCellEditing(bool on) {
    if (form->N19->isChecked() != on) {
        form->N15Click(form->N19);
    }
}

} // namespace qorvel::testing
