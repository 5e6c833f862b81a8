// quintrick-mapart GEODATA_FOLDER OUTPUT_FOLDER
// Writes 163.png (enlarged map, 256 colours), 164.png (standard map, 256 colours), 192.png
// (unification banner, 16 colours) and pieces.txt (fill seeds of the further pieces of
// provinces in several pieces: "E|S province x y") with Japanese words, and the same four files
// with English words into the folder "en" below it. With --check-labels it only checks the layout
// of the romanised label boxes.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>

#include "mapart.h"

using namespace quintrick;
using namespace quintrick::mapart;

namespace {

// The maps, the banner and the pieces of one language into `out`.
bool WriteSet(const CodeMap& big, const CodeMap& small, art::ArtLanguage language,
              const QString& out) {
    const MapImages maps = DrawMaps(big, small, language);
    if (!maps.labelsFit) {
        std::fprintf(stderr, "a province name does not fit its label box\n");
        return false;
    }
    bool ok = QDir().mkpath(out);
    ok = ok && ToIndexed(maps.enlarged, 256).save(out + "/163.png");
    ok = ok && ToIndexed(maps.standard, 256).save(out + "/164.png");
    ok = ok && DrawBanner(language).save(out + "/192.png");
    QFile pieces(out + "/pieces.txt");
    if (!ok || !pieces.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write into %s\n", qPrintable(out));
        return false;
    }
    QTextStream text(&pieces);
    text << "# Further pieces of provinces: map (E enlarged, S standard), province, x, y\n";
    for (const PieceSeed& s : maps.enlargedPieces)
        text << "E " << s.province << ' ' << s.x << ' ' << s.y << '\n';
    for (const PieceSeed& s : maps.standardPieces)
        text << "S " << s.province << ' ' << s.x << ' ' << s.y << '\n';
    std::printf("%s: %zu + %zu pieces\n", qPrintable(out), maps.enlargedPieces.size(),
                maps.standardPieces.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    // The romanised label layout alone, quickly, for whoever moves the boxes.
    const bool checkOnly = argc == 2 && std::strcmp(argv[1], "--check-labels") == 0;
    const std::vector<QString> crowding = LabelCrowding();
    for (const QString& problem : crowding) std::fprintf(stderr, "%s\n", qPrintable(problem));
    if (checkOnly || !crowding.empty()) return crowding.empty() ? 0 : 1;
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: quintrick-mapart GEODATA_FOLDER OUTPUT_FOLDER | --check-labels\n");
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
    // Both languages draw the same provinces; only the words differ.
    const bool ok = WriteSet(big, small, art::ArtLanguage::Japanese, out) &&
                    WriteSet(big, small, art::ArtLanguage::English, out + "/en");
    return ok ? 0 : 1;
}
