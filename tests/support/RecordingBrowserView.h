#pragma once

#include "browser/BrowserView.h"

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

namespace qorvel::testing {

// A browser view that only records the URLs it was sent.
class RecordingBrowserView : public BrowserView {
public:
    explicit RecordingBrowserView(QWidget* parent) : widget_(new QWidget(parent)) {}
    QWidget* widget() override { return widget_; }
    void navigate(const std::string& url) override { urls.push_back(url); }

    std::vector<std::string> urls;

private:
    QWidget* widget_;
};

} // namespace qorvel::testing
