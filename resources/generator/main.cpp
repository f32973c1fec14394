// Makes the program's pictures and icons into a resources folder:
//   kanmeri_resource_generator <resources folder>
// Every output is deterministic, so running it again changes nothing unless
// a recipe changed.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "faces.h"
#include "ico_file.h"
#include "paper.h"

namespace gen = kanmeri::generator;

namespace {

bool saveBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool writePapers(const QDir& out) {
    const gen::PaperRecipe cream{QSize(634, 395),
                                 QColor(0xF3, 0xEB, 0xCF),
                                 QColor(150, 120, 70, 38),
                                 QColor(255, 252, 235, 90),
                                 4.0,
                                 2.5,
                                 700,
                                 20061208};
    const gen::PaperRecipe white{QSize(300, 180),
                                 QColor(0xFC, 0xFB, 0xF7),
                                 QColor(150, 150, 140, 35),
                                 QColor(255, 255, 255, 80),
                                 1.6,
                                 1.4,
                                 160,
                                 19990401};
    return gen::makePaper(cream).save(out.filePath("paper_cream.jpg"), "JPG", 92) &&
           gen::makePaper(white).save(out.filePath("paper_white.jpg"), "JPG", 92);
}

bool writeIcons(const QDir& out) {
    const QByteArray smiley =
        gen::encodeSixteenColourIcon({gen::drawSmiley(32, false), gen::drawSmallSmiley()});
    const QByteArray face = gen::encodeSixteenColourIcon({gen::drawFaceBesideComputer()});
    if (!saveBytes(out.filePath("smiley.ico"), smiley) ||
        !saveBytes(out.filePath("face_computer.ico"), face))
        return false;
    for (int side : {16, 32, 48, 128, 256}) {
        const QString dir = QStringLiteral("icons/hicolor/%1x%1/apps").arg(side);
        if (!out.mkpath(dir) ||
            !gen::drawSmiley(side, true).save(out.filePath(dir + "/io.github.kanmeri.png"), "PNG"))
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() || !writePapers(out) || !writeIcons(out)) {
        std::fprintf(stderr, "could not write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
