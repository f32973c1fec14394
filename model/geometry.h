#pragma once
// Positions and sizes are single-precision twips (1/1440 inch), 15 twips to a
// pixel at 96 dots per inch.

namespace kanmeri::model {

inline constexpr float kTwipsPerPixel = 15.0F;

struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

struct ScreenSize {
    float width = 0;   // twips
    float height = 0;  // twips
};

}  // namespace kanmeri::model
