#pragma once

#include "widgets/button/ButtonPersistence.h"
#include "widgets/button/ButtonProperties.h"
#include "widgets/button/ButtonShapes.h"
#include "widgets/button/PaintContext.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QTimer;

namespace tidecopy {

class OptionGroup;

// The owner-drawn push button (the product's qdButtons_H), used for every push button of
// every window: a command, check or option button in one of eight styles and nine
// outlines, with a picture, gradients and hover colours. It owns its properties and its
// state flags; drawing composes the painters of its style onto an off-screen surface.
// Windows act on Pressed (MouseDown with any mouse button, or a click that no mouse
// release made) or, where named, on Click.
class OwnerDrawnButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int ButtonStyle READ ButtonStyle WRITE setButtonStyle)
    Q_PROPERTY(int Mode READ Mode WRITE setMode)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int CaptionAlign READ CaptionAlign WRITE setCaptionAlign)
    Q_PROPERTY(int CaptionStyle READ CaptionStyle WRITE setCaptionStyle)
    Q_PROPERTY(int CustomClick READ CustomClick WRITE setCustomClick)
    Q_PROPERTY(int ButtonShape READ ButtonShape WRITE setButtonShape)
    Q_PROPERTY(QPixmap Picture READ Picture WRITE setPicture)
    Q_PROPERTY(int PictureAlign READ PictureAlign WRITE setPictureAlign)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledState)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
    Q_PROPERTY(int PictureSize READ PictureSize WRITE setPictureSize)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(QPixmap MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(QFont Font READ Font WRITE setButtonFont)
    Q_PROPERTY(int FontStyle READ FontStyle WRITE setFontStyle)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint GradientColor READ GradientColor WRITE setGradientColor)
    Q_PROPERTY(int GradientMode READ GradientMode WRITE setGradientMode)
    Q_PROPERTY(int HoverColorLocks READ HoverColorLocks WRITE setHoverColorLocks)
    Q_PROPERTY(uint HoverForeColor READ HoverForeColor WRITE setHoverForeColor)
    Q_PROPERTY(uint HoverBackColor READ HoverBackColor WRITE setHoverBackColor)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault)
    Q_PROPERTY(bool Cancel READ isCancel WRITE setCancel)

public:
    // The looks of the program's own windows.
    static constexpr int textButtonStyle = 2;
    static constexpr int pictureButtonStyle = 5;

    explicit OwnerDrawnButton(QWidget* parent = nullptr);
    ~OwnerDrawnButton() override;

    int ButtonStyle() const { return m_properties.ButtonStyle; }
    void setButtonStyle(int style);
    int Mode() const { return m_properties.Mode; }
    void setMode(int mode);
    QString Caption() const { return m_properties.Caption; }
    void setCaption(const QString& caption);
    int CaptionAlign() const { return m_properties.CaptionAlign; }
    void setCaptionAlign(int align);
    int CaptionStyle() const { return m_properties.CaptionStyle; }
    void setCaptionStyle(int style);
    int CustomClick() const { return m_properties.CustomClick; }
    void setCustomClick(int direction);
    int ButtonShape() const { return m_properties.ButtonShape; }
    void setButtonShape(int shape);
    QPixmap Picture() const { return m_properties.Picture; }
    void setPicture(const QPixmap& picture);
    int PictureAlign() const { return m_properties.PictureAlign; }
    void setPictureAlign(int align);
    bool Enabled() const { return isEnabled(); }
    void setEnabledState(bool enabled);
    bool ShowFocusRect() const { return m_properties.ShowFocusRect; }
    void setShowFocusRect(bool show);
    bool Value() const { return m_properties.Value; }
    void setValue(bool value);
    int PictureSize() const { return m_properties.PictureSize(); }
    void setPictureSize(int index);
    int MousePointer() const { return m_properties.MousePointer; }
    void setMousePointer(int code);
    QPixmap MouseIcon() const { return m_properties.MouseIcon; }
    void setMouseIcon(const QPixmap& icon);
    QFont Font() const { return m_properties.Font; }
    void setButtonFont(const QFont& font);
    int FontStyle() const { return m_properties.FontStyle(); }
    void setFontStyle(int bits);
    uint ForeColor() const { return m_properties.ForeColor; }
    void setForeColor(uint color);
    uint BackColor() const { return m_properties.BackColor; }
    void setBackColor(uint color);
    uint GradientColor() const { return m_properties.GradientColor; }
    void setGradientColor(uint color);
    int GradientMode() const { return m_properties.GradientMode; }
    void setGradientMode(int mode);
    int HoverColorLocks() const { return m_properties.HoverColorLocks; }
    void setHoverColorLocks(int locks);
    uint HoverForeColor() const { return m_properties.HoverForeColor; }
    void setHoverForeColor(uint color);
    uint HoverBackColor() const { return m_properties.HoverBackColor; }
    void setHoverBackColor(uint color);
    void ResetDefaultColors();

    // Clears the delay flag and redraws.
    void Refresh();
    // While delayed nothing is redrawn; ending the delay redraws once.
    void DelayDrawing(bool delay);

    // The window's default button takes Enter, its cancel button Escape, wherever the
    // focus is in the window, unless a command button with the focus takes them itself.
    bool isDefault() const { return m_isDefault; }
    void setDefault(bool isDefault);
    bool isCancel() const { return m_isCancel; }
    void setCancel(bool isCancel);

    // The keyed values a window stores for this button, and loading from them.
    PropertyBag writeProperties() const;
    void readProperties(const PropertyBag& bag);

    // The access key, Enter or Escape routed here, or an assistive technology's press
    // (key 0): a click made without the mouse.
    void accessKeyPress(int keyCode);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt.
    void MouseDown(int button, int shift, int x, int y);
    void MouseUp(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);
    void KeyDown(int keyCode, int shift);
    void KeyPress(int keyAscii);
    void KeyUp(int keyCode, int shift);
    void MouseOnButton(bool onButton);
    void Click();
    void DoubleClick(int button);
    // What a window that acts on MouseDown connects to: MouseDown, and every click that no
    // mouse release made (Space, Enter, the access key, an assistive technology's press).
    void Pressed();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum class ClickSource { MouseRelease, WithoutMouse };

    void apply(ButtonChanges changes);
    void redraw();
    // The resize logic: outline, layout and one redraw.
    void resizeLogic();
    void rebuildOutline();
    void readContainer();
    ContainerDefaults containerDefaults() const;
    ButtonLook look() const;
    void notifyAccessibility(ButtonChanges changes);
    void updateAccessKey();
    void updateCursor();

    // Input and states (OwnerDrawnButtonInput.cpp).
    void pressLeft();
    void runClick(ClickSource source);
    bool isUnderPointer(QPoint global) const;
    void startHover(bool leftHeld);
    void hoverTick();
    void stopHover();
    void forwardArrow(QKeyEvent* event);
    void updateDefaultLook();
    bool markedDefault() const;
    void routeDialogKeys();
    void updateCustomClickMove();
    void joinGroup();
    void leaveGroup();

    ButtonProperties m_properties;
    ButtonOutline m_outline;
    ColorValue m_containerBackColor = 0;
    QPixmap m_surface; // the off-screen drawing

    // State flags and what input remembers.
    bool m_defaultLook = false;
    bool m_pressed = false;
    bool m_over = false;
    bool m_pressedByKey = false;
    bool m_mouseHeld = false;
    bool m_hoverTracking = false;
    bool m_delayDrawing = false;
    QPoint m_movedBy;                  // where a pressed custom shape moved its window
    bool m_doubleClickRelease = false; // the release after a double click
    int m_lastMouseButton = 0;
    QTimer* m_hoverTimer;

    QPointer<OptionGroup> m_group;
    bool m_isDefault = false;
    bool m_isCancel = false;
    QPointer<QWidget> m_routedWindow;
    int m_shortcutId = 0;
};

} // namespace tidecopy
