#pragma once
// The one way from a widget to a handler. Every user event and timer tick
// runs through the program's dispatch (model/program.h), and when a dispatch
// leaves no window loaded the event loop ends with status 0. Each window's
// view has its own delivery and closes it when the window unloads: from then
// on its widgets deliver nothing, so no late event of a view that is going
// away ever touches the controls it drew.
#include <QCoreApplication>
#include <functional>

#include "model/control.h"
#include "model/event.h"
#include "model/program.h"

namespace kanmeri::platform {

class Delivery {
public:
    explicit Delivery(model::Program& program) : program_(program) {}

    template <typename... Params, typename... Args>
    void raise(const model::Control& control, const model::Event<Params...>& event, Args... args) {
        if (open_) {
            endIf(program_.dispatch(control, event, args...));
        }
    }
    void change(const model::Control& control, const std::function<void()>& change) {
        if (open_) {
            endIf(program_.dispatch(control, change));
        }
    }
    void run(const std::function<void()>& handler) {
        if (open_) {
            endIf(program_.dispatch(handler));
        }
    }
    void close() { open_ = false; }

private:
    static void endIf(bool noWindowLeft) {
        if (noWindowLeft) {
            QCoreApplication::exit(0);
        }
    }

    model::Program& program_;
    bool open_ = true;
};

}  // namespace kanmeri::platform
