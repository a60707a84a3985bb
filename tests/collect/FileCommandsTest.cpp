#include "collect/CollectFixture.h"

#include <QMimeData>
#include <QUrl>
#include <filesystem>

namespace qorvel::testing {
namespace {

using FileCommandsTest = CollectFixture;

TEST_F(FileCommandsTest, ChosenFilesAreAppendedInTheDialogsOrder) {
    form->setStatusPanel(1, "before");
    services.openAnswers.push_back({"/p/c.png", "/p/a b.htm", "/q/表#1.html"});
    form->opfile->trigger();

    ASSERT_EQ(services.openSetups.size(), 1u);
    EXPECT_EQ(services.openSetups[0].filter, "html (*.html *htm)");
    EXPECT_TRUE(services.openSetups[0].multipleSelection);
    EXPECT_EQ(form->FileCount, 3);
    const StringGrid& grid = form->USGrid->grid();
    EXPECT_EQ(paths(), (std::vector<std::string>{"/p/c.png", "/p/a b.htm", "/q/表#1.html", ""}));
    EXPECT_EQ(grid.cell(1, 1), "c.png");
    EXPECT_EQ(grid.cell(1, 2), "a b.htm");
    EXPECT_EQ(grid.cell(1, 3), "表#1.html");
    EXPECT_EQ(form->statusPanelText(1), "before");
}

TEST_F(FileCommandsTest, ACancelledDialogChangesNothing) {
    form->opfileClick();
    EXPECT_EQ(form->FileCount, 0);
    EXPECT_EQ(form->USGrid->grid().rowCount(), 2);
}

TEST_F(FileCommandsTest, DroppedFilesAndFoldersAreAppendedAndCounted) {
    appendEntries(1);
    const std::string folderPath = folder.file("dropped");
    std::filesystem::create_directory(folderPath);
    const std::string file = folder.write("x.jpg", "");

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(file)),
                  QUrl(QStringLiteral("https://example.invalid/page.html")),
                  QUrl::fromLocalFile(QString::fromStdString(folderPath)),
                  QUrl::fromLocalFile(QString::fromStdString(file))});
    // The drop reaches the window that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &drop);

    EXPECT_EQ(paths(), (std::vector<std::string>{"/pages/e1.htm", file, folderPath, file, ""}));
    EXPECT_EQ(form->USGrid->grid().cell(1, 3), "dropped");
    EXPECT_EQ(form->FileCount, 4);
    EXPECT_EQ(form->statusPanelText(1), "File List Num=4 files");
}

} // namespace
} // namespace qorvel::testing
