#include "browser/WebEngineBrowserView.h"

#include "base/Conventions.h"
#include "browser/BrowserTarget.h"

#include <QFileInfo>
#include <QUrl>
#include <QWebEngineView>

namespace qorvel {
namespace {

QString decodeHostText(const std::string& bytes) {
    return QString::fromStdU16String(Conventions::host().codePage.toUtf16(bytes));
}

} // namespace

WebEngineBrowserView::WebEngineBrowserView(QWidget* parent) : view_(new QWebEngineView(parent)) {}

// The view goes with its owner, unless its parent widget has already deleted it.
WebEngineBrowserView::~WebEngineBrowserView() {
    delete view_.data();
}

QWidget* WebEngineBrowserView::widget() {
    return view_;
}

QString WebEngineBrowserView::missingFileTitle() {
    return QStringLiteral("ファイルが見つかりません");
}

void WebEngineBrowserView::navigate(const std::string& url) {
    const std::optional<std::string> localPath = localPathOfTarget(Conventions::host(), url);
    if (!localPath) {
        view_->load(QUrl(decodeHostText(url)));
        return;
    }
    const QString path = decodeHostText(*localPath);
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists()) {
        showMissingFile(path);
        return;
    }
    view_->load(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void WebEngineBrowserView::showMissingFile(const QString& path) {
    const QString body =
        path.isEmpty() ? QStringLiteral("<p>表示するファイルのパスが空です。</p>")
                       : QStringLiteral("<p>次のファイルは存在しません。</p><p><code>%1</code></p>")
                             .arg(path.toHtmlEscaped());
    const QString html =
        QStringLiteral("<!DOCTYPE html>\n"
                       "<html lang=\"ja\"><head><meta charset=\"utf-8\"><title>%1</title>\n"
                       "<style>body{font-family:sans-serif;margin:2em;color:#333}"
                       "h1{font-size:1.2em}code{word-break:break-all}</style></head>\n"
                       "<body><h1>%1</h1>%2</body></html>\n")
            .arg(missingFileTitle().toHtmlEscaped(), body);
    view_->setHtml(html, QUrl());
}

std::unique_ptr<BrowserView> createWebEngineBrowserView(QWidget* parent) {
    return std::make_unique<WebEngineBrowserView>(parent);
}

} // namespace qorvel
