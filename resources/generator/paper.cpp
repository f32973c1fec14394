#include "paper.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "random.h"

namespace kanmeri::generator {
namespace {

// Value noise on a coarse lattice, smoothly interpolated: gives the slow
// unevenness of real paper without any visible repetition.
class Lattice {
public:
    Lattice(QSize size, int cell, Random& random)
        : cell_(cell), columns_(size.width() / cell + 2), rows_(size.height() / cell + 2) {
        values_.resize(static_cast<std::size_t>(columns_ * rows_));
        for (double& v : values_) v = random.between(-1.0, 1.0);
    }

    [[nodiscard]] double at(int x, int y) const {
        const double fx = static_cast<double>(x) / cell_;
        const double fy = static_cast<double>(y) / cell_;
        const int cx = static_cast<int>(fx);
        const int cy = static_cast<int>(fy);
        const double tx = smooth(fx - cx);
        const double ty = smooth(fy - cy);
        const double top = mix(value(cx, cy), value(cx + 1, cy), tx);
        const double bottom = mix(value(cx, cy + 1), value(cx + 1, cy + 1), tx);
        return mix(top, bottom, ty);
    }

private:
    static double smooth(double t) { return t * t * (3.0 - 2.0 * t); }
    static double mix(double a, double b, double t) { return a + (b - a) * t; }
    [[nodiscard]] double value(int cx, int cy) const {
        return values_[static_cast<std::size_t>(cy * columns_ + cx)];
    }

    int cell_;
    int columns_;
    int rows_;
    std::vector<double> values_;
};

int clampChannel(double v) {
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

void shadeGround(QImage& image, const PaperRecipe& recipe, Random& random) {
    const Lattice large(recipe.size, 64, random);
    const Lattice medium(recipe.size, 9, random);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double shift = recipe.blotchDepth * (large.at(x, y) + 0.35 * medium.at(x, y)) +
                                 recipe.grainDepth * random.between(-1.0, 1.0);
            line[x] = qRgb(clampChannel(recipe.base.red() + shift),
                           clampChannel(recipe.base.green() + shift),
                           clampChannel(recipe.base.blue() + shift * 1.2));
        }
    }
}

void drawFibre(QPainter& painter, const PaperRecipe& recipe, Random& random) {
    const QPointF start(random.between(-20, recipe.size.width() + 20),
                        random.between(-20, recipe.size.height() + 20));
    const double angle = random.between(0, 2 * M_PI);
    const double length = random.between(6, 42);
    const QPointF end = start + QPointF(std::cos(angle), std::sin(angle)) * length;
    const QPointF bend = (start + end) / 2 + QPointF(random.between(-8, 8), random.between(-8, 8));
    QPainterPath path(start);
    path.quadTo(bend, end);

    QColor colour = random.unit() < 0.7 ? recipe.darkFibre : recipe.lightFibre;
    colour.setAlpha(static_cast<int>(colour.alpha() * random.between(0.3, 1.0)));
    painter.setPen(QPen(colour, random.between(0.4, 1.1), Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(path);
}

}  // namespace

QImage makePaper(const PaperRecipe& recipe) {
    Random random(recipe.seed);
    QImage image(recipe.size, QImage::Format_RGB32);
    shadeGround(image, recipe, random);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < recipe.fibres; ++i) drawFibre(painter, recipe, random);
    painter.end();
    return image;
}

}  // namespace kanmeri::generator
