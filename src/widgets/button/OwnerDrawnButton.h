#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace tidecopy {

// The owner-drawn push button (the product's qdButtons_H), used for every push button of every
// window. It owns its caption, enabled state and picture; windows act on Pressed (MouseDown with
// any mouse button, or a press without the mouse) or, where named, on Click. The drawing here is
// plain; the full look comes later.
class OwnerDrawnButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledState)
    Q_PROPERTY(QPixmap Picture READ Picture WRITE setPicture)

public:
    explicit OwnerDrawnButton(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    // "&" marks the access key, "&&" shows one ampersand, "||" breaks the line.
    void setCaption(const QString& caption);
    bool Enabled() const { return isEnabled(); }
    void setEnabledState(bool enabled);
    QPixmap Picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void MouseDown(int button, int shift, int x, int y);
    void Click();
    // What a window that acts on MouseDown connects to: MouseDown, and every press that is
    // not the mouse's (Space, Enter, the access key, an assistive technology's press).
    void Pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The caption as drawn: "||" as a line break, ampersands as the toolkit reads them.
    QString displayText() const;
    void emitMouseDown(QMouseEvent* event);

    QString m_caption;
    QPixmap m_picture;
    bool m_mouseRelease = false; // while a mouse release makes its Click
};

} // namespace tidecopy
