#include "browser/WebEngineBrowserView.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace qorvel {
namespace {

constexpr int loadTimeoutMs = 20000;

// How the page is addressed: by the program's file URL or by its plain path.
enum class Target { FileUrl, PlainPath };

struct SmokeCase {
    const char* name;
    const char* fileName; // UTF-8; nullptr navigates to the empty path
    bool written;         // false: the file is never created
    Target target;
    bool expectPageTitle; // false: the built-in missing-file page is expected
};

void PrintTo(const SmokeCase& c, std::ostream* os) {
    *os << c.name;
}

class WebEngineSmoke : public ::testing::TestWithParam<SmokeCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        view_ = std::make_unique<WebEngineBrowserView>(nullptr);
        view_->webView()->resize(400, 300);
    }

    // Waits for the page to finish loading and its title to reach the view.
    QString titleAfterLoad(const std::string& target, const QString& expected) {
        QWebEngineView* web = view_->webView();
        QSignalSpy loaded(web, &QWebEngineView::loadFinished);
        view_->navigate(target);
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < loadTimeoutMs && (loaded.isEmpty() || web->title() != expected)) {
            QTest::qWait(50);
        }
        EXPECT_FALSE(loaded.isEmpty()) << "no loadFinished within " << loadTimeoutMs << " ms";
        if (!loaded.isEmpty()) {
            EXPECT_TRUE(loaded.first().at(0).toBool());
        }
        return web->title();
    }

    QTemporaryDir folder_;
    std::unique_ptr<WebEngineBrowserView> view_;
};

const QString pageTitle = QStringLiteral("表のページ #1");

TEST_P(WebEngineSmoke, ShowsThePageOrTheMissingFilePage) {
    const SmokeCase& c = GetParam();
    std::string target;
    if (c.fileName != nullptr) {
        const QString path = QDir(folder_.path()).filePath(QString::fromUtf8(c.fileName));
        if (c.written) {
            QFile page(path);
            ASSERT_TRUE(page.open(QIODevice::WriteOnly));
            page.write(QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                                      "<title>%1</title></head><body><p>%1</p></body></html>\n")
                           .arg(pageTitle)
                           .toUtf8());
            page.close();
        }
        const std::string bytes = path.toStdString();
        target = c.target == Target::FileUrl ? "file://" + bytes : bytes;
    } else {
        target = "file:///";
    }
    const QString expected =
        c.expectPageTitle ? pageTitle : WebEngineBrowserView::missingFileTitle();
    EXPECT_EQ(titleAfterLoad(target, expected).toStdString(), expected.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, WebEngineSmoke,
    ::testing::Values(
        SmokeCase{"FileUrlWithHashAndKanji", "a#表 b.html", true, Target::FileUrl, true},
        SmokeCase{"PlainPathWithPercent", "c%20表.html", true, Target::PlainPath, true},
        SmokeCase{"MissingFile", "missing#表.html", false, Target::FileUrl, false},
        SmokeCase{"EmptyPath", nullptr, false, Target::FileUrl, false}),
    [](const ::testing::TestParamInfo<SmokeCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace qorvel
