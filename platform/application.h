#pragma once
// The toolkit's application object, set up for this program: its name, its
// desktop entry, its default font (the design's Japanese Gothic at 9 pt),
// its accessibility hooks. Exactly one exists while the program runs; the
// entry makes it before anything else. The text caret rests after a while
// without input (platform/caret_rest.h).
#include <memory>

class QApplication;

namespace kanmeri::platform {

class CaretRest;

class Application {
public:
    // argc and argv must outlive the object (the toolkit keeps them).
    Application(int& argc, char** argv);
    ~Application();

private:
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<CaretRest> caretRest_;
};

}  // namespace kanmeri::platform
