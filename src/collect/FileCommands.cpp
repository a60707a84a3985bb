// "ファイル選択" and files dropped on the window: every chosen or dropped item is appended.
#include "app/Unit1.h"

#include "base/PathRules.h"
#include "grid/FileList.h"
#include "grid/USGrid.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace qorvel {
namespace {

// The local files of a drop, in the drop's order; other URLs are ignored.
std::vector<std::string> droppedLocalPaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data == nullptr || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
        }
    }
    return paths;
}

} // namespace

void TForm1::opfileClick() {
    appendPaths(services_.chooseFilesToOpen(this, OpenDialog));
}

void TForm1::WMDropFiles(const std::vector<std::string>& paths) {
    appendPaths(paths);
    showFileCount();
}

void TForm1::appendPaths(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        AppendEntry(USGrid->grid(), FileCount, path, fileNameOf(Conventions::host(), path));
    }
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedLocalPaths(event->mimeData()).empty()) {
        event->acceptProposedAction();
    }
}

void TForm1::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = droppedLocalPaths(event->mimeData());
    if (paths.empty()) {
        return;
    }
    event->acceptProposedAction();
    runGuarded([this, &paths] { WMDropFiles(paths); });
}

} // namespace qorvel
