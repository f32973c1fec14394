#pragma once
// A window: a single instance that is loaded, unloaded and loaded again. Its
// outer position and size are single-precision twips.
#include <memory>
#include <string>
#include <utility>

#include "model/appearance.h"
#include "model/form.h"
#include "model/text.h"
#include "model/text_measure.h"

namespace kanmeri::model {

struct WindowDesign {
    Text name;
    Text caption;
    float clientWidth = 0;   // twips
    float clientHeight = 0;  // twips
    Rgb backColour = 0xFFFFFF;
    std::string picture;  // resource path of the background picture, drawn unscaled
    std::string icon;     // resource path of the window icon
};

class Window {
public:
    // `measure` sizes the auto-size labels; it must outlive the window.
    Window(WindowDesign design, const TextMeasure& measure)
        : design_(std::move(design)), measure_(measure) {}
    virtual ~Window() = default;

    [[nodiscard]] const WindowDesign& design() const { return design_; }
    [[nodiscard]] bool loaded() const { return loaded_; }
    [[nodiscard]] const TextMeasure& measure() const { return measure_; }

    // The loaded form. After an unload the retired form stays valid until
    // releaseRetired(), so a handler may unload its own window and go on.
    [[nodiscard]] Form& form() const { return current_ ? *current_ : *retired_; }

    // Makes the form and runs the Load handler, after which the timers tick.
    void load();
    // Retires the form; its timers stop at once.
    void unload();
    // Destroys retired forms; called when no handler is running.
    void releaseRetired() { retired_.reset(); }

    [[nodiscard]] float left() const { return left_; }
    [[nodiscard]] float top() const { return top_; }
    // Outer size: the client area plus the frame extent.
    [[nodiscard]] float width() const { return design_.clientWidth + frameWidth_; }
    [[nodiscard]] float height() const { return design_.clientHeight + frameHeight_; }
    // Left = (screen width - Width) / 2, Top = (screen height - Height) / 2 in
    // single precision (negative for a window larger than the screen); the
    // Load handler's, so that the view is shown there.
    void centre(ScreenSize screen);

    // The non-client part of the outer size (title bar and borders), in twips,
    // as the platform knows or estimates it; zero until it says.
    void setFrameExtent(float width, float height) {
        frameWidth_ = width;
        frameHeight_ = height;
    }

protected:
    [[nodiscard]] virtual std::unique_ptr<Form> createForm() = 0;
    // The window's Load handler.
    virtual void formLoad() {}

private:
    WindowDesign design_;
    const TextMeasure& measure_;
    std::unique_ptr<Form> current_;
    std::unique_ptr<Form> retired_;
    bool loaded_ = false;
    float left_ = 0;
    float top_ = 0;
    float frameWidth_ = 0;
    float frameHeight_ = 0;
};

}  // namespace kanmeri::model
