// The end of a session: a logout, SIGTERM, SIGHUP or SIGINT closes the main window the way its
// close box does, so the settings are saved once, as at every other way out.
#pragma once

class QWidget;

namespace SessionEnd {

// From now on the session's end closes `window`. A signal the program was started with set to
// be ignored (nohup) stays ignored; a second signal of a kind ends the program at once, in
// case the first could not get through.
void Install(QWidget& window);

} // namespace SessionEnd
