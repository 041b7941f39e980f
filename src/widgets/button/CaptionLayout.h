#pragma once

#include <QRect>

class QFontMetrics;

namespace tidecopy {

struct ButtonProperties;

// Where the caption and the picture go on a face of a given size.
struct CaptionLayout {
    QRect caption; // the text's box, drawn with the caption's alignment and word wrapping
    QRect picture; // empty without a picture
    int textFlags = 0;
};

CaptionLayout layoutCaption(const ButtonProperties& properties, QSize size,
                            const QFontMetrics& metrics);

// The size the caption and picture need, for the window's layouts.
QSize preferredButtonSize(const ButtonProperties& properties, const QFontMetrics& metrics);

} // namespace tidecopy
