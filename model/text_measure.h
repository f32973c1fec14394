#pragma once
// What the model needs of the toolkit to size a control by its text. Plain
// values, so that a fake can stand in with a rule of its own.
#include "model/appearance.h"
#include "model/text.h"

namespace kanmeri::model {

// Whole pixels at 96 dots per inch.
struct TextExtent {
    int width = 0;
    int height = 0;
};

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The least width that keeps `text` in `font` on one line, and that line's
    // height, as the windows draw it.
    [[nodiscard]] virtual TextExtent oneLine(TextView text, const Font& font) const = 0;
};

}  // namespace kanmeri::model
