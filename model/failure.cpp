#include "model/failure.h"

namespace kanmeri::model {

namespace {
const char* describe(Failure::Kind kind) {
    switch (kind) {
        case Failure::Kind::TypeMismatch:
            return "type mismatch";
        case Failure::Kind::Overflow:
            return "overflow";
        case Failure::Kind::Subscript:
            return "subscript out of range";
    }
    return "failure";
}
}  // namespace

Failure::Failure(Kind kind) : std::runtime_error(describe(kind)), kind_(kind) {}

}  // namespace kanmeri::model
