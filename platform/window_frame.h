#pragma once
// The frame that the window manager draws around the program's top-level
// windows, known before a window is first shown, so that a Load handler
// centres the outer size the screen will really show.
//
// On X11 the window manager is asked once, at construction, for the frame of
// an unmapped fixed-size window with the views' flags (_NET_REQUEST_FRAME_EXTENTS);
// a window manager that does not take that question but keeps minimised
// windows (_NET_WM_STATE_HIDDEN) is handed the same window minimised and off
// the taskbar and pager instead, and frames it without showing it. The answer
// is read at the first extent(), waiting at most 200 ms without handling any
// event; the window is then destroyed. Made as early as the application object
// allows, so that the window manager answers while the program sets itself up.
// Without a window manager the frame is empty and nothing is asked. Where
// neither way is open or no answer comes in time (another platform, a window
// manager that keeps no minimised windows) the style's title bar and borders
// stand in. Once a window is mapped, the frame the window manager really gave
// it is what later calls return.
#include <QObject>
#include <QSizeF>
#include <cstdint>
#include <memory>

class QWindow;

namespace kanmeri::platform {

class WindowFrame : public QObject {
public:
    // Needs the application object.
    WindowFrame();
    ~WindowFrame() override;

    // The frame's added width and height, in logical pixels.
    [[nodiscard]] QSizeF extent();
    // Takes the frame of `window` when it is first exposed.
    void follow(QWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Question;
    std::unique_ptr<Question> question_;  // asked and not yet read
    std::uint32_t extents_ = 0;           // the frame's property on X11, else none
    QSizeF extent_;
};

}  // namespace kanmeri::platform
