// The list's context commands "選択行の削除", "リストクリア" and "関連付けで開く".
#include "app/Unit1.h"

#include "app/SystemText.h"
#include "base/PathRules.h"
#include "grid/FileList.h"
#include "grid/USGrid.h"

#include <QAction>
#include <algorithm>

namespace qorvel {
namespace {

constexpr int okButton = 0;
constexpr int cancelButton = 1;

} // namespace

void TForm1::N6Click() {
    StringGrid& grid = USGrid->grid();
    const GridRect selection = grid.selection();
    bool confirmed = true;
    if (!N15->isChecked()) {
        const std::string question = std::to_string(selection.top) + "行-" +
                                     std::to_string(selection.bottom) + "行\nを削除しますか?";
        const int answer =
            services_.showMessage(this, {QStringLiteral("情報"),
                                         fromSystemBytes(systemText(question)),
                                         MessageIcon::Information,
                                         {QStringLiteral("OK"), QStringLiteral("キャンセル")},
                                         cancelButton});
        confirmed = answer == okButton;
    }
    if (confirmed) {
        // Only entry rows are deleted: the empty final row stays the list's last row.
        const int lastEntryRow = grid.rowCount() - 2;
        const int rowsToDelete =
            std::max(0, std::min(selection.bottom, lastEntryRow) - selection.top + 1);
        for (int i = 0; i < rowsToDelete; ++i) {
            USGrid->DeleteRow(selection.left, selection.top);
        }
        const int lastRow = grid.rowCount() - 1;
        for (int column = 0; column < 3; ++column) {
            grid.setCell(column, lastRow, std::string());
        }
    }
    FileCount = grid.rowCount() - 2;
    showFileCount();
}

void TForm1::N11Click() {
    clearList(USGrid->grid(), FileCount);
    setStatusPanel(1, systemText("File List Num"));
}

void TForm1::N7Click() {
    services_.openWithShell(fileUrl(Conventions::host(), USGrid->grid().cell(0, CurrentRow)));
}

} // namespace qorvel
