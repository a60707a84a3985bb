#pragma once

#include "app/WindowServices.h"

#include <exception>

namespace qorvel {

// The box the top level shows for a failure: caption "Qorvel", an error icon, one OK button and
// the failure's message with the "." rule; a failure of another kind shows an empty text.
void showFailureBox(WindowServices& services, QWidget* owner, const std::exception& failure);
void showUnknownFailureBox(WindowServices& services, QWidget* owner);

} // namespace qorvel
