#include "support/FormFixture.h"

namespace qorvel::testing {

std::string allOptionsOnSettings() {
    std::string bytes;
    for (int line = 0; line < 10; ++line) {
        bytes += "0\r\n";
    }
    return bytes;
}

std::string twoPatterns() {
    return "html .htm .html; pages\r\njpeg .jpg .jpeg; pictures\r\n";
}

void FormFixture::SetUp() {
    folder.write("pattern.txt", twoPatterns());
    folder.write("qorvel.i2", allOptionsOnSettings());
    startForm();
}

void FormFixture::startForm() {
    form.reset();
    services.views.clear();
    form = std::make_unique<TForm1>(services, folder.path());
}

} // namespace qorvel::testing
