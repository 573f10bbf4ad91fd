// The program's message boxes: modal QMessageBoxes over the active window.
#pragma once

#include "app/MessageBoxes.h"

namespace MessageBoxes {
// The modal QMessageBox presenter the program installs at start.
Presenter& ModalPresenter();
} // namespace MessageBoxes
