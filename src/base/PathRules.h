#pragma once

#include "base/Conventions.h"

#include <string>

namespace qorvel {

// Path rules of the two styles. Every search for a separator walks whole characters, so the
// second byte of a Shift-JIS character (0x5C in 表 or ソ) is never taken for "\".

// Folder and name joined: Windows "folder\name" as they are (a drive root gives "C:\\name");
// POSIX "folder/name" without doubling a final "/".
std::string joinPath(const Conventions& conventions, const std::string& folder,
                     const std::string& name);

// The file name of a path: after the last "\" or ":" (Windows), after the last "/" (POSIX).
std::string fileNameOf(const Conventions& conventions, const std::string& path);

// The URL a browser view is sent to for a path.
std::string fileUrl(const Conventions& conventions, const std::string& path);

// A path as it stands in the text of a link.
std::string linkText(const Conventions& conventions, const std::string& path);

// The URL of a picture in a gallery page: Windows keeps its "\".
std::string galleryUrl(const Conventions& conventions, const std::string& path);

// The folder a path lies in: Windows up to the last "\" or ":", less a final "\" unless it
// follows ":" or "\"; POSIX up to the last "/", less that "/" unless it is the root.
std::string folderPart(const Conventions& conventions, const std::string& path);

// The application folder of an executable's path.
std::string applicationFolder(const Conventions& conventions, const std::string& executablePath);

// Every byte from 0x00 to 0x20 removed from both ends.
std::string trimBlanks(const std::string& text);

} // namespace qorvel
