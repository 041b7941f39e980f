#pragma once

#include <QLabel>

namespace tidecopy {

// The small pictures beside the panes and the log that open menus (Image2, Image3, ...).
// They carry no tool tip; screen readers get their accessible name.
class ClickableImage : public QLabel {
    Q_OBJECT
public:
    ClickableImage(const QString& name, const QString& spoken, const QIcon& icon,
                   QWidget* parent = nullptr);

signals:
    void MouseDown(int button);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tidecopy
