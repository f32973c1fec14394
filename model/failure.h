#pragma once
// A handler's run-time failure (a conversion that cannot be made, a 16-bit
// overflow, a subscript out of bounds), caught by the handler's own trap.
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
