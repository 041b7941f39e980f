#pragma once

#include <QLabel>

namespace tidecopy {

// A label that never widens its window: it takes the width its layout gives it and draws
// each line of a longer text cut short with "..." at the end. Its text stays whole, and so
// does what a screen reader reads of it.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The text as drawn in the given width.
    QString shownText(int width) const;
};

} // namespace tidecopy
