#pragma once
// One event of a control, bound to at most one handler. Raising an event with
// no handler bound does nothing, so unbound events are ignored.
#include <functional>
#include <utility>

namespace kanmeri::model {

template <typename... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;

    void bind(Handler handler) { handler_ = std::move(handler); }
    [[nodiscard]] bool bound() const { return static_cast<bool>(handler_); }

    void raise(Args... args) const {
        if (handler_) {
            handler_(args...);
        }
    }

private:
    Handler handler_;
};

}  // namespace kanmeri::model
