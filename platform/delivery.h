#pragma once
// The one way from a widget to a handler: Program::dispatch, ending the event
// loop with status 0 once none of the windows is loaded. Each window's view
// closes its own delivery when the window unloads, so that no late event of
// a view that is going away touches the controls it drew.
#include <QCoreApplication>
#include <functional>

#include "model/control.h"
#include "model/event.h"
#include "model/program.h"

namespace kanmeri::platform {

class Delivery {
public:
    explicit Delivery(model::Program& program) : program_(program) {}

    // Runs `action`, an event of `source` or with none a handler of no
    // control's, through Program::dispatch; nothing once closed.
    template <typename Action>
    void deliver(const model::Control* source, Action&& action) {
        if (open_ && program_.dispatch(source, std::forward<Action>(action))) {
            QCoreApplication::exit(0);
        }
    }
    void close() { open_ = false; }

private:
    model::Program& program_;
    bool open_ = true;
};

// The action that raises `event` with `args`, for Delivery::deliver.
template <typename... Params, typename... Args>
[[nodiscard]] auto raising(const model::Event<Params...>& event, Args... args) {
    return std::bind_front(&model::Event<Params...>::raise, &event, args...);
}

}  // namespace kanmeri::platform
