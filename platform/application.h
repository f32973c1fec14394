#pragma once
// The toolkit's application object, set up for this program: its name, its
// desktop entry, its default font (the design's Japanese Gothic at 9 pt),
// its accessibility hooks. Exactly one exists while the program runs; the
// entry makes it before anything else. The text caret rests after a while
// without input (platform/caret_rest.h).
//
// For start-up measurements: when KANMERI_EXIT_AFTER_FIRST_PAINT is set to a
// non-empty value, the process ends with status 0 (std::_Exit, no teardown)
// as soon as a window's first frame has been painted and sent to the display
// server, so that the time from exec to exit is the time to the first frame.
#include <memory>

class QApplication;
class QObject;

namespace kanmeri::platform {

class CaretRest;

class Application {
public:
    // argc and argv must outlive the object (the toolkit keeps them).
    Application(int& argc, char** argv);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

private:
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<CaretRest> caretRest_;
    std::unique_ptr<QObject> exitAfterFirstPaint_;  // only while measuring
};

}  // namespace kanmeri::platform
