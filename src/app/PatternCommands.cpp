// The menu "拡張子パターン": one radio item for each line of the pattern file.
#include "app/Unit1.h"

#include "app/MenuTags.h"
#include "app/SystemText.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace qorvel {
void TForm1::BuildPatternMenu() {
    PatternCount = 0;
    const std::vector<ExtensionPattern> patterns = readPatternFile(applicationFile("pattern.txt"));
    std::copy(patterns.begin(), patterns.end(), ExtensionPatterns.begin());
    PatternCount = static_cast<std::int32_t>(patterns.size());
    for (std::int32_t i = 0; i < PatternCount; ++i) {
        QAction* item = kaa->addAction(fromSystemBytes(ExtensionPatterns[i].name));
        item->setData(firstPatternTag + i);
        item->setCheckable(true);
        item->setChecked(false);
        patternGroup->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, item] { runGuarded([this, item] { N01Click(item); }); });
    }
}

void TForm1::N01Click(QAction* item) {
    item->setChecked(true);
    const ExtensionPattern& pattern =
        ExtensionPatterns.at(static_cast<std::size_t>(item->data().toInt() - firstPatternTag));
    CurrentExtensions = {pattern.firstExtension, pattern.secondExtension};
    OpenDialog.filter = fromSystemBytes(openDialogFilter(pattern));
}

} // namespace qorvel
