#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qorvel {

// The four options of the menu "設定"; true is checked (on). The window's design has all on.
struct OptionStates {
    bool noDeleteConfirm = true, openAfterWrite = true, cellEdit = true, titleFromSelected = true;

    bool operator==(const OptionStates&) const = default;
};

// The settings file read over the design states: lines 1 to 4 are converted in this order with
// the platform's integer syntax, and each option whose number is exactly 1 is turned off; any
// other number keeps the option as it was. Failures, in the order they are met: the file cannot
// be opened ("ファイル %s は開けません"); a line that is no integer ("'%s' は整数ではありません");
// fewer than four lines (the list-index error with the number of lines). No option changes
// when one of them is raised.
OptionStates applySettingsFile(const std::string& path, OptionStates design);

// The ten lines written: "1" for an option that is off, "0" for one that is on, in the order
// noDeleteConfirm, openAfterWrite, cellEdit, titleFromSelected; lines 5 to 10 are "0".
std::vector<std::string> settingsLines(const OptionStates& states);
// Replaces the file's content with settingsLines; "ファイル %s を作成できません" when it
// cannot be made.
void writeSettingsFile(const std::string& path, const OptionStates& states);

// The widths a window-size preset sets; an empty value leaves that width as it is.
struct SizePresetWidths {
    std::optional<int> browserWidth, pathColumnWidth, titleColumnWidth;

    bool operator==(const SizePresetWidths&) const = default;
};

// 500: browser 560, path column 0, title column 200; 501: 10, 300, 600; 502: the window's outer
// width less 10, path column 0, title column unchanged; any other tag changes nothing.
SizePresetWidths sizePresetWidths(int tag, int windowOuterWidth);

// The preset "Next size" moves to: 500, 501, 502, then 500 again.
int nextSizePreset(int current);

} // namespace qorvel
