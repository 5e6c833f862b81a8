// The painters of the artwork generator. Each returns finished pixels; main.cpp writes them.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "art_texts.h"

namespace quintrick::art {

inline constexpr int kCardWidth = 151;
inline constexpr int kCardHeight = 215;
inline constexpr int kSheetColumns = 13;
inline constexpr int kSheetRows = 4;

// Colour of the few pixels outside a card's rounded corners.
inline const QColor kCornerColor(34, 104, 60);

// The card sheet: joker, the fifty faces and the two back scenes in their cells.
QImage PaintCardSheet();
void PaintCardFace(QPainter& p, int id);
void PaintJoker(QPainter& p);

// The two built-in card backs, each a full 151 x 215 cell.
QImage PaintMarshBack();
QImage PaintGardenBack();

struct NamedImage {
    int id;
    QImage image;
    QString note;  // what it shows, for the contact sheet
};

// The twenty-two table images with their resource ids, with their words in one language.
std::vector<NamedImage> PaintTableImages(ArtLanguage language);

struct CursorImage {
    int id;
    QImage image;
    int hotX;
    int hotY;
};
std::vector<CursorImage> PaintCursors();

// The dialog pictures and the desktop icon. The map of the character dialog is the conquest
// map with the homes of the six characters one may play in their colours, each joined to its
// button, with the province names and the title in `language`.
QImage PaintOkSeal(ArtLanguage language);
QImage PaintHomeMap(ArtLanguage language);
// The desktop icon at the sizes the icon theme installs.
inline constexpr int kAppIconSizes[] = {48, 64, 128, 256};
QImage PaintAppIcon(int size);

// One picture with the sheet, every image at its size and at two table scales, and the cursors.
QImage PaintContactSheet(const QImage& sheet, const std::vector<NamedImage>& images,
                         const std::vector<CursorImage>& cursors);

}  // namespace quintrick::art
