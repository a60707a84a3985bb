#pragma once

#include <QString>
#include <string>

namespace qorvel {

// The edge between the system's bytes and Qt's text: decoded for display, encoded when the user
// typed or chose something.
QString fromSystemBytes(const std::string& bytes);
std::string toSystemBytes(const QString& text);

} // namespace qorvel

namespace qorvel {

// One of the program's own texts (written in UTF-8 in the source) in the system's code page.
std::string systemText(const std::string& utf8);

} // namespace qorvel
