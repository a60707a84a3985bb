// How the list answers the mouse and the keyboard, and "ヘルプ".
#include "app/Unit1.h"

#include "app/SystemText.h"
#include "base/PathRules.h"
#include "grid/USGrid.h"

namespace qorvel {
namespace {

constexpr char16_t enterKey = 13;

} // namespace

void TForm1::connectGridEvents() {
    connect(USGrid, &qorvel::USGrid::selectCell, this, [this](int column, int row) {
        runGuarded([this, column, row] { USGridSelectCell(column, row); });
    });
    connect(USGrid, &qorvel::USGrid::click, this,
            [this] { runGuarded([this] { USGridClick(); }); });
    connect(USGrid, &qorvel::USGrid::dblClick, this,
            [this] { runGuarded([this] { USGridDblClick(); }); });
    connect(USGrid, &qorvel::USGrid::keyPress, this,
            [this](QChar key) { runGuarded([this, key] { USGridKeyPress(key.unicode()); }); });
}

void TForm1::USGridSelectCell(int, int row) {
    CurrentRow = row;
}

void TForm1::USGridClick() {
    const StringGrid& grid = USGrid->grid();
    const std::string& path = grid.cell(0, CurrentRow);
    const std::string& title = grid.cell(2, CurrentRow);
    USGrid->setHintText(fromSystemBytes(systemText("タイトル=") + title + "\n" +
                                        systemText("ファイル名＝") + path));
    setStatusPanel(2, systemText("Preview File=") + path);
}

void TForm1::USGridDblClick() {
    CppWebBrowser1->navigate(fileUrl(Conventions::host(), USGrid->grid().cell(0, CurrentRow)));
}

void TForm1::USGridKeyPress(char16_t key) {
    StringGrid& grid = USGrid->grid();
    if (key == enterKey && USGrid->isEditing()) {
        const bool rowFollows = grid.row() < grid.rowCount() - 1;
        const int nextRow = rowFollows ? grid.row() + 1 : 1;
        grid.setCol(1);
        grid.setRow(nextRow);
    }
    CurrentRow = grid.row();
    CppWebBrowser1->navigate(fileUrl(Conventions::host(), grid.cell(0, CurrentRow)));
}

void TForm1::N5Click() {
    CppWebBrowser1->navigate(fileUrl(Conventions::host(), applicationFile("readme.html")));
    setStatusPanel(2, systemText("Preview File=ヘルプファイル"));
}

} // namespace qorvel
