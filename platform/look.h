#pragma once
// Conversions from the model's units and looks to the toolkit's: twips to
// logical pixels, design fonts to QFont, 0xRRGGBB to QColor, UTF-16 texts.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include "model/appearance.h"
#include "model/control.h"
#include "model/geometry.h"
#include "model/text.h"

namespace kanmeri::platform {

// Twips to logical pixels, rounded to the nearest pixel (halves away from 0).
[[nodiscard]] int toPixels(float twips);
// Logical pixels, fractions included (a frame under a scale factor), to twips.
[[nodiscard]] float toTwips(qreal pixels);
[[nodiscard]] QRect toPixels(const model::TwipsRect& rect);

// The design font in pixels at 96 dots per inch, so that the fixed layout
// holds at any resolution, in the first installed of the proportional Japanese
// Gothic faces (platform/look.cpp). Needs the application object.
[[nodiscard]] QFont toFont(const model::Font& font);

// Gives `widget` its control's font and colours: text in the fore colour, and
// an opaque background in the back colour.
void applyStyle(QWidget& widget, const model::Control& control);

[[nodiscard]] QColor toColour(model::Rgb rgb);

[[nodiscard]] QString toQString(model::TextView text);
[[nodiscard]] model::Text toText(const QString& text);

}  // namespace kanmeri::platform
