#pragma once
// Either window: a single instance, loaded and unloaded again and again, that
// makes its own form at each load and gives its handlers what they use.
#include <utility>

#include "model/clock.h"
#include "model/services.h"
#include "model/text_measure.h"
#include "model/window.h"

namespace kanmeri::windows {

template <typename FormType>
class AppWindow : public model::Window {
public:
    // The loaded form, or the retired one until the running handler returns.
    // Precondition: loaded, or unloaded by the handler still running.
    [[nodiscard]] FormType& controls() const { return static_cast<FormType&>(form()); }

protected:
    // Every reference must outlive the window.
    AppWindow(model::WindowDesign design, model::WindowServices& services,
              const model::TextMeasure& measure, const model::Clock& clock, model::Window& other)
        : model::Window(std::move(design), measure),
          services_(services),
          clock_(clock),
          other_(other) {}

    // Form_Load: centre on the screen.
    void formLoad() override { centre(services_.screenSize()); }

    model::WindowServices& services_;
    const model::Clock& clock_;
    model::Window& other_;  // the window its switch button brings up
};

}  // namespace kanmeri::windows
