#pragma once

#include <string>

class QWidget;

namespace qorvel {

// An embedded browser view. navigate() takes the system's text (a file URL that the program made,
// or a plain local path), returns at once and lets the view load the page by itself.
class BrowserView {
public:
    virtual ~BrowserView() = default;
    virtual QWidget* widget() = 0;
    virtual void navigate(const std::string& url) = 0;
};

} // namespace qorvel
