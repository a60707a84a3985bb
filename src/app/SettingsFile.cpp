#include "app/SettingsFile.h"

#include "base/IntegerConversion.h"
#include "base/Messages.h"
#include "base/PlatformError.h"
#include "base/TextLineFile.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace qorvel {
namespace {

constexpr std::size_t optionCount = 4;
constexpr std::size_t settingsLineCount = 10;

std::array<bool*, optionCount> optionsInFileOrder(OptionStates& states) {
    return {&states.noDeleteConfirm, &states.openAfterWrite, &states.cellEdit,
            &states.titleFromSelected};
}

} // namespace

OptionStates applySettingsFile(const std::string& path, OptionStates design) {
    const std::vector<std::string> lines = readLines(path);
    std::array<std::int32_t, optionCount> numbers{};
    for (std::size_t i = 0; i < optionCount; ++i) {
        if (i >= lines.size()) {
            throw PlatformError(listIndexMessage(static_cast<std::int32_t>(lines.size())));
        }
        numbers[i] = strToInt(lines[i]);
    }
    const auto options = optionsInFileOrder(design);
    for (std::size_t i = 0; i < optionCount; ++i) {
        if (numbers[i] == 1) {
            *options[i] = false;
        }
    }
    return design;
}

std::vector<std::string> settingsLines(const OptionStates& states) {
    OptionStates copy = states;
    std::vector<std::string> lines;
    lines.reserve(settingsLineCount);
    for (const bool* option : optionsInFileOrder(copy)) {
        lines.emplace_back(*option ? "0" : "1");
    }
    lines.resize(settingsLineCount, "0");
    return lines;
}

void writeSettingsFile(const std::string& path, const OptionStates& states) {
    writeLines(path, settingsLines(states));
}

SizePresetWidths sizePresetWidths(int tag, int windowOuterWidth) {
    switch (tag) {
    case 500:
        return {560, 0, 200};
    case 501:
        return {10, 300, 600};
    case 502:
        return {windowOuterWidth - 10, 0, std::nullopt};
    default:
        return {};
    }
}

int nextSizePreset(int current) {
    const int next = current + 1;
    return next == 503 ? 500 : next;
}

} // namespace qorvel
