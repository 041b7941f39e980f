#pragma once

#include <QLabel>

namespace tidecopy {

// A label that is a link: a click, Enter or Space once Tab has reached it, or an
// assistive technology's press activates it. It looks like a link and shows its focus;
// screen readers meet a link named by its caption.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& name, const QString& caption, QWidget* parent = nullptr);

    void activate() { emit activated(); }

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tidecopy
