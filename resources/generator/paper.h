#pragma once
// Paper textures: a flat base colour with soft blotches, fine grain and
// scattered fibres. The same recipe and seed give the same image.
#include <QColor>
#include <QImage>
#include <QSize>
#include <cstdint>

namespace kanmeri::generator {

struct PaperRecipe {
    QSize size;
    QColor base;
    QColor darkFibre;        // alpha is the strongest opacity a fibre gets
    QColor lightFibre;       // alpha likewise
    double blotchDepth = 0;  // brightness swing of the large blotches, 0..255
    double grainDepth = 0;   // brightness swing of the per-pixel grain, 0..255
    int fibres = 0;
    std::uint64_t seed = 1;
};

[[nodiscard]] QImage makePaper(const PaperRecipe& recipe);

}  // namespace kanmeri::generator
