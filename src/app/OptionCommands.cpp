// The four options of "設定", the settings file and the "Window" size presets.
#include "app/SettingsFile.h"
#include "app/Unit1.h"

#include "app/MenuTags.h"
#include "grid/USGrid.h"

#include <QAction>
#include <QSplitter>

namespace qorvel {
namespace {

constexpr int splitterHandle = 9;

} // namespace

void TForm1::N15Click(QAction* item) {
    const bool turnOn = !item->isChecked();
    item->setChecked(turnOn);
    if (item->data().toInt() == cellEditTag) {
        USGrid->setEditingOptions(turnOn);
    }
}

void TForm1::LoadSettings() {
    const OptionStates design{N15->isChecked(), html2->isChecked(), N19->isChecked(),
                              GET1->isChecked()};
    const OptionStates loaded = applySettingsFile(applicationFile("qorvel.i2"), design);
    N15->setChecked(loaded.noDeleteConfirm);
    html2->setChecked(loaded.openAfterWrite);
    N19->setChecked(loaded.cellEdit);
    GET1->setChecked(loaded.titleFromSelected);
    // The grid's behaviour follows the check mark as loaded.
    USGrid->setEditingOptions(loaded.cellEdit);
}

void TForm1::SaveSettings() {
    writeSettingsFile(applicationFile("qorvel.i2"),
                      {N15->isChecked(), html2->isChecked(), N19->isChecked(), GET1->isChecked()});
}

void TForm1::defaut1Click(QAction* item) {
    const int tag = item->data().toInt();
    if (tag != nextSizeTag) {
        ApplySizePreset(tag);
        return;
    }
    SizePreset = nextSizePreset(SizePreset);
    ApplySizePreset(SizePreset);
}

void TForm1::ApplySizePreset(std::int32_t tag) {
    const SizePresetWidths widths = sizePresetWidths(tag, frameGeometry().width());
    if (widths.browserWidth) {
        const int total = Splitter2->width() - splitterHandle;
        const int browser = std::max(0, *widths.browserWidth);
        Splitter2->setSizes({browser, std::max(0, total - browser)});
    }
    if (widths.pathColumnWidth) {
        USGrid->setColumnWidth(0, *widths.pathColumnWidth);
    }
    if (widths.titleColumnWidth) {
        USGrid->setColumnWidth(2, *widths.titleColumnWidth);
    }
}

} // namespace qorvel
