#pragma once
// The toolkit's application object, set up for this program: its name, its
// desktop entry, its accessibility hooks. Exactly one exists while the
// program runs; the entry makes it before anything else.
#include <memory>

class QApplication;

namespace kanmeri::platform {

class Application {
public:
    // argc and argv must outlive the object (the toolkit keeps them).
    Application(int& argc, char** argv);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

private:
    std::unique_ptr<QApplication> app_;
};

}  // namespace kanmeri::platform
