// quintrick-mapart GEODATA_FOLDER OUTPUT_FOLDER
// Writes 163.png (enlarged map, 256 colours), 164.png (standard map, 256 colours), 192.png
// (unification banner, 16 colours) and pieces.txt (fill seeds of the further pieces of
// provinces in several pieces: "E|S province x y").
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "mapart.h"

using namespace quintrick;
using namespace quintrick::mapart;

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: quintrick-mapart GEODATA_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    const QString in = QString::fromLocal8Bit(argv[1]), out = QString::fromLocal8Bit(argv[2]);
    GeoData geo;
    QString error;
    if (!LoadGeoData(in, geo, error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    CodeMap big = WarpToSeeds(geo);
    std::array<QPoint, kProvinces> seeds;
    for (int p = 0; p < kProvinces; ++p)
        seeds[p] = QPoint(KuniCoords[p].SeedX(), KuniCoords[p].SeedY());
    CleanUp(big, seeds, 20);
    const CodeMap small = ThirdOf(big);
    const MapImages maps = DrawMaps(big, small);

    bool ok = ToIndexed(maps.enlarged, 256).save(out + "/163.png");
    ok = ToIndexed(maps.standard, 256).save(out + "/164.png") && ok;
    ok = DrawBanner().save(out + "/192.png") && ok;
    QFile pieces(out + "/pieces.txt");
    if (!ok || !pieces.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write into %s\n", qPrintable(out));
        return 1;
    }
    QTextStream text(&pieces);
    text << "# Further pieces of provinces: map (E enlarged, S standard), province, x, y\n";
    for (const PieceSeed& s : maps.enlargedPieces)
        text << "E " << s.province << ' ' << s.x << ' ' << s.y << '\n';
    for (const PieceSeed& s : maps.standardPieces)
        text << "S " << s.province << ' ' << s.x << ' ' << s.y << '\n';
    std::printf("%zu + %zu pieces\n", maps.enlargedPieces.size(), maps.standardPieces.size());
    return 0;
}
