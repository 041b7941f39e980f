#pragma once

#include <QLabel>

namespace tidecopy {

// The small pictures beside the panes and the log that open menus (Image2, Image3, ...).
// They carry no tool tip; screen readers get their accessible name and see a button
// whose press acts as a click. Tab reaches them, and Space, Enter or the menu key act
// as a click there.
class ClickableImage : public QLabel {
    Q_OBJECT
public:
    ClickableImage(const QString& name, const QString& spoken, const QIcon& icon,
                   QWidget* parent = nullptr);

    // A left click from the keyboard or an assistive technology.
    void press();
    // Where a menu it opens goes: at the pointer after a click, below the picture after a
    // key or a screen reader's press.
    QPoint menuPosition() const;

signals:
    void MouseDown(int button);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressedByPointer = true;
};

} // namespace tidecopy
