#pragma once

#include "app/Unit1.h"
#include "support/FakeServices.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace qorvel::testing {

// Ten "0" lines: every option on.
std::string allOptionsOnSettings();
// Two patterns: "html .htm .html;" and "jpeg .jpg .jpeg;".
std::string twoPatterns();

// An application folder with a pattern file and a settings file, and the main window made in it
// with fake services.
class FormFixture : public ::testing::Test {
protected:
    void SetUp() override;
    // Makes the window again (after changing the folder's files).
    void startForm();
    // The list tab's browser view.
    RecordingBrowserView& listView() const { return *services.views.at(0); }

    TemporaryFolder folder;
    FakeServices services;
    std::unique_ptr<TForm1> form;
};

} // namespace qorvel::testing
