#include "widgets/button/CaptionLayout.h"

#include "widgets/button/ButtonCaption.h"
#include "widgets/button/ButtonProperties.h"
#include "widgets/button/ButtonShapes.h"

#include <QFontMetrics>

namespace tidecopy {

namespace {

constexpr int gap = 4;                 // between the edge, the picture and the text
constexpr int customMargin = 3;        // beside the text of a custom shape
constexpr int largestSidePicture = 32; // larger pictures leave the caption where it is
constexpr int classicHeight = 23;

struct Margins {
    int left = 0;
    int right = 0;
};

Margins marginsOf(int shape, int height) {
    if (shape >= 7)
        return {customMargin, customMargin};
    // The text keeps clear of a slanted side.
    const int s = slantOf(height);
    const int slanted = s - s / 3 + 3;
    return {shape == 1 || shape == 3 ? slanted : 0, shape == 2 || shape == 3 ? slanted : 0};
}

enum class PictureSide { None, Left, Right, Top, Bottom };

PictureSide pictureSideOf(const ButtonProperties& p) {
    if (!p.hasPicture())
        return PictureSide::None;
    switch (p.PictureAlign) {
    case 0:
    case 1:
        return PictureSide::Left;
    case 2:
    case 3:
        return PictureSide::Right;
    case 4:
        return PictureSide::Top;
    default:
        return PictureSide::Bottom;
    }
}

int alignmentFlag(int captionAlign) {
    switch (captionAlign) {
    case 0:
        return Qt::AlignLeft;
    case 1:
        return Qt::AlignRight;
    default:
        return Qt::AlignHCenter;
    }
}

QSize textSize(const ButtonProperties& p, const QFontMetrics& metrics, int width, int flags) {
    const QString text = drawnCaption(p.Caption);
    if (text.isEmpty())
        return {};
    QSize size = metrics.boundingRect(QRect(0, 0, std::max(width, 1), 10000), flags, text).size();
    // An embossed caption is drawn twice more, a pixel apart.
    if (p.CaptionStyle != 0)
        size += QSize(2, 2);
    return size;
}

int centredStart(int from, int space, int length) {
    return from + (space - length) / 2;
}

} // namespace

CaptionLayout layoutCaption(const ButtonProperties& p, QSize size, const QFontMetrics& metrics) {
    CaptionLayout layout;
    layout.textFlags =
        Qt::TextWordWrap | Qt::TextShowMnemonic | Qt::AlignVCenter | alignmentFlag(p.CaptionAlign);
    const Margins margins = marginsOf(p.ButtonShape, size.height());
    QRect area(margins.left + gap, 0, size.width() - margins.left - margins.right - 2 * gap,
               size.height());
    const PictureSide side = pictureSideOf(p);
    const int pictureSize = p.pictureSizePixels;
    const bool movesCaption = side != PictureSide::None && pictureSize <= largestSidePicture;
    QRect picture(0, 0, pictureSize, pictureSize);
    if (side == PictureSide::Top || side == PictureSide::Bottom) {
        picture.moveLeft(centredStart(0, size.width(), pictureSize));
        picture.moveTop(side == PictureSide::Top ? gap : size.height() - gap - pictureSize);
        if (movesCaption) {
            area.setHeight(size.height() - pictureSize - gap);
            if (side == PictureSide::Top)
                area.moveTop(pictureSize + gap);
        }
    }
    const bool besideText = side == PictureSide::Left || side == PictureSide::Right;
    const int textGap = p.Caption.isEmpty() ? 0 : gap;
    const int besideWidth = besideText && movesCaption ? pictureSize + textGap : 0;
    const QSize text = textSize(p, metrics, area.width() - besideWidth, layout.textFlags);
    // The text and a picture beside it are aligned as one block.
    const int block = text.width() + besideWidth;
    int blockLeft = centredStart(area.left(), area.width(), block);
    if (p.CaptionAlign == 0)
        blockLeft = area.left();
    else if (p.CaptionAlign == 1)
        blockLeft = area.right() + 1 - block;
    const int textLeft = side == PictureSide::Left ? blockLeft + besideWidth : blockLeft;
    if (side == PictureSide::Left)
        picture.moveLeft(blockLeft);
    else if (side == PictureSide::Right)
        picture.moveLeft(besideWidth > 0 ? textLeft + text.width() + textGap
                                         : area.right() + 1 - pictureSize);
    if (besideText)
        picture.moveTop(centredStart(0, size.height(), pictureSize));
    layout.caption = QRect(textLeft, centredStart(area.top(), area.height(), text.height()),
                           text.width(), text.height());
    if (side != PictureSide::None)
        layout.picture = picture;
    return layout;
}

QSize preferredButtonSize(const ButtonProperties& p, const QFontMetrics& metrics) {
    if (p.customShape() && p.hasPicture())
        return p.Picture.size();
    const int flags = Qt::TextShowMnemonic;
    const QSize text = textSize(p, metrics, 10000, flags);
    const PictureSide side = pictureSideOf(p);
    const int pictureSize = side == PictureSide::None ? 0 : p.pictureSizePixels;
    int width = text.width() + 4 * gap;
    int height = std::max(text.height() + 2 * gap, classicHeight);
    if (side == PictureSide::Left || side == PictureSide::Right) {
        width += pictureSize + (text.isEmpty() ? 0 : gap);
        height = std::max(height, pictureSize + 2 * gap);
    } else if (side != PictureSide::None) {
        width = std::max(width, pictureSize + 2 * gap);
        height += pictureSize + gap;
    }
    const Margins margins = marginsOf(p.ButtonShape, height);
    width += margins.left + margins.right;
    return {widthForShape(p.ButtonShape, QSize(width, height)), height};
}

} // namespace tidecopy
