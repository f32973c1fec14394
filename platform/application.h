#pragma once
// The toolkit's application object, set up for this program: its name and
// desktop entry, the question for the window manager's frame, the design's
// default font, its accessibility hooks and the resting caret. The one
// instance is made before anything else.
#include <memory>

class QApplication;

namespace kanmeri::platform {

class CaretRest;
class WindowFrame;

class Application {
public:
    // argc and argv must outlive the object (the toolkit keeps them).
    Application(int& argc, char** argv);
    ~Application();

    // The frame the window manager draws around the program's windows.
    [[nodiscard]] WindowFrame& frame() const { return *frame_; }

private:
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<WindowFrame> frame_;
    std::unique_ptr<CaretRest> caretRest_;
};

}  // namespace kanmeri::platform
