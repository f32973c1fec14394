#pragma once
// A bare window whose form holds whatever controls a test adds to it.
#include <memory>

#include "model/tests/support/recording_services.h"
#include "model/window.h"

namespace kanmeri::testing {

class ScratchWindow : public model::Window {
public:
    ScratchWindow() : Window({u"scratch", u"", 7500, 4500, 0xFFFFFF, "", ""}, measure_) { load(); }

protected:
    std::unique_ptr<model::Form> createForm() override {
        return std::make_unique<model::Form>(*this);
    }

private:
    RecordingServices measure_;  // its fixed pitch
};

// Plain ASCII as UTF-16, for expected texts built with the standard formatter.
inline model::Text widen(std::string_view ascii) {
    return model::Text(ascii.begin(), ascii.end());
}

}  // namespace kanmeri::testing
