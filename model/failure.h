#pragma once
// A run-time failure of a handler's body: a conversion that cannot be made, a
// 16-bit overflow or a subscript out of bounds. It unwinds to the running
// handler's single failure trap and never further.
#include <stdexcept>

namespace kanmeri::model {

class Failure : public std::runtime_error {
public:
    enum class Kind { TypeMismatch, Overflow, Subscript };

    explicit Failure(Kind kind) : std::runtime_error("failure in a handler"), kind_(kind) {}

    [[nodiscard]] Kind kind() const { return kind_; }

private:
    Kind kind_;
};

}  // namespace kanmeri::model
