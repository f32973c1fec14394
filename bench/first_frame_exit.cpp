// Linked beside app/main.cpp into kanmeri_first_frame, the build of kanmeri
// whose start-up bench/compare.sh measures: the program, unchanged, ending
// at once after its first frame. The application object runs this while it
// is being constructed, before main() goes on to load the main window.
#include <QCoreApplication>

#include "bench/first_paint_exit.h"

namespace {

void installFirstFrameExit() {
    kanmeri::bench::exitAfterFirstWindowPaint();
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstFrameExit)
