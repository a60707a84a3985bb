#pragma once

#include <cstdint>
#include <string>

namespace qorvel {

// The platform's failure messages, in the host's code page, with the path, text or number in place.
std::string fileOpenMessage(const std::string& path);
std::string fileCreateMessage(const std::string& path);
std::string streamWriteMessage();
std::string notAnIntegerMessage(const std::string& text);
std::string listIndexMessage(std::int32_t index);
std::string gridIndexMessage();
std::string jpegErrorMessage(int code);

// The text a failure box shows: "." is added when the message's last character sorts after ".".
std::string displayText(const std::string& message);

} // namespace qorvel
