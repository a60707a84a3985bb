#pragma once

#include "browser/BrowserView.h"

#include <QPointer>
#include <QString>
#include <memory>

#include <QWebEngineView>

namespace qorvel {

// A browser view on Qt WebEngine. A local file is loaded by its path, so "#", "%", spaces and
// Japanese in file names reach the file system as they are; a missing file or an empty path
// shows a small built-in page instead of an error.
class WebEngineBrowserView : public BrowserView {
public:
    explicit WebEngineBrowserView(QWidget* parent);
    ~WebEngineBrowserView() override;

    WebEngineBrowserView(const WebEngineBrowserView&) = delete;
    WebEngineBrowserView& operator=(const WebEngineBrowserView&) = delete;

    QWidget* widget() override;
    void navigate(const std::string& url) override;

    QWebEngineView* webView() const { return view_; }

    // The title of the page shown for a missing file.
    static QString missingFileTitle();

private:
    void showMissingFile(const QString& path);

    QPointer<QWebEngineView> view_;
};

std::unique_ptr<BrowserView> createWebEngineBrowserView(QWidget* parent);

} // namespace qorvel
