#pragma once

#include "app/WindowServices.h"

#include <functional>
#include <string>

namespace qorvel {

class TForm1;

// The entry point's guarded steps: the application title, the Japanese fonts, the main window,
// then runLoop (which shows the window and runs the message loop). A failure that escapes is
// shown in the failure box. Always returns 0.
int runQorvel(WindowServices& services, const std::string& applicationFolder,
              const std::function<void(TForm1&)>& runLoop);

// The Windows font names of the design mapped to the IPA fonts.
void installJapaneseFontSubstitutes();

} // namespace qorvel
