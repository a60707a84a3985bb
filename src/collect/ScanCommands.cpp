// "フォルダ選択": choose a folder and append every file of its tree whose extension matches.
#include "app/Unit1.h"

#include "app/SystemText.h"
#include "base/Conventions.h"
#include "grid/FileList.h"
#include "grid/USGrid.h"

namespace qorvel {
namespace {

// Appends each found file as it comes and shows each failed listing in a plain box.
class FileListScanSink : public ScanSink {
public:
    explicit FileListScanSink(TForm1& form) : form_(form) {}

    void appendFile(const std::string& path, const std::string& name) override {
        StringGrid& grid = form_.USGrid->grid();
        AppendEntry(grid, form_.FileCount, path, name);
        grid.setCell(2, form_.FileCount, std::string());
    }

    void listingFailed(const std::string& message) override {
        form_.services().showMessage(&form_, {QStringLiteral("Qorvel"),
                                              fromSystemBytes(message),
                                              MessageIcon::None,
                                              {QStringLiteral("OK")},
                                              0});
    }

private:
    TForm1& form_;
};

} // namespace

void TForm1::N2Click() {
    ScanSelectedFolder();
}

void TForm1::ScanSelectedFolder() {
    const std::string mask = "*.*";
    const std::string folder = SelectFolder();
    if (!folder.empty()) {
        ScanFolder(folder, mask);
    }
    showFileCount();
}

std::string TForm1::SelectFolder() {
    return services_.chooseFolder(this, QStringLiteral("フォルダを選択してください"));
}

void TForm1::ScanFolder(const std::string& folder, const std::string& mask) {
    FileSystemListing listing;
    FileListScanSink sink(*this);
    qorvel::ScanFolder(Conventions::host(), listing, folder, mask, CurrentExtensions, sink);
}

} // namespace qorvel
