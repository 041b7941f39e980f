#include "widgets/button/OwnerDrawnButton.h"

#include "ButtonImages.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace tidecopy {
namespace {

// The events a button raised, in order (MouseMove left out).
class EventLog {
public:
    explicit EventLog(OwnerDrawnButton* button) {
        const auto add = [this](const QString& event) {
            m_events.append(event);
        };
        QObject::connect(button, &OwnerDrawnButton::MouseDown, button,
                         [add](int b, int, int, int) { add(QString("MouseDown %1").arg(b)); });
        QObject::connect(button, &OwnerDrawnButton::MouseUp, button,
                         [add](int b, int, int, int) { add(QString("MouseUp %1").arg(b)); });
        QObject::connect(button, &OwnerDrawnButton::KeyDown, button,
                         [add](int key, int) { add(QString("KeyDown %1").arg(key)); });
        QObject::connect(button, &OwnerDrawnButton::KeyPress, button,
                         [add](int ascii) { add(QString("KeyPress %1").arg(ascii)); });
        QObject::connect(button, &OwnerDrawnButton::KeyUp, button,
                         [add](int key, int) { add(QString("KeyUp %1").arg(key)); });
        QObject::connect(button, &OwnerDrawnButton::MouseOnButton, button,
                         [add](bool on) { add(QString("MouseOnButton %1").arg(on)); });
        QObject::connect(button, &OwnerDrawnButton::Click, button, [add] { add("Click"); });
        QObject::connect(button, &OwnerDrawnButton::DoubleClick, button,
                         [add](int b) { add(QString("DoubleClick %1").arg(b)); });
    }
    QString text() const { return m_events.join(", "); }
    void clear() { m_events.clear(); }

private:
    QStringList m_events;
};

// One tick of a button's hover timer, without waiting for it.
void hoverTick(OwnerDrawnButton* button) {
    auto* timer = button->findChild<QTimer*>("qd_HoverTimer");
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

// Counts the paints a widget gets.
struct PaintCounter : QObject {
    int paints = 0;
    explicit PaintCounter(QWidget* widget) {
        widget->installEventFilter(this);
        after();
        paints = 0;
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    // Paints travel through two posted events.
    int after() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        return paints;
    }
};

// A shown, active window to put buttons in.
struct Window {
    QWidget widget;
    int placed = 0;
    Window() {
        widget.resize(300, 200);
        widget.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&widget));
    }
    OwnerDrawnButton* button(const QString& caption, int mode = 0, QWidget* parent = nullptr) {
        auto* button = new OwnerDrawnButton(parent ? parent : &widget);
        button->setCaption(caption);
        button->setMode(mode);
        button->setGeometry(10 + 90 * (placed++ % 3), 10, 80, 30);
        button->show();
        return button;
    }
};

QAccessibleInterface* accessible(OwnerDrawnButton* button) {
    return QAccessible::queryAccessibleInterface(button);
}

// A screen reader's or switch device's press; a disabled button offers none.
void pressAccessibly(OwnerDrawnButton* button) {
    QAccessibleActionInterface* actions = accessible(button)->actionInterface();
    ASSERT_NE(actions, nullptr);
    const QStringList names = actions->actionNames();
    if (!names.isEmpty() && (names.front() == QAccessibleActionInterface::pressAction() ||
                             names.front() == QAccessibleActionInterface::toggleAction()))
        actions->doAction(names.front());
}

TEST(OwnerDrawnButton, AssistiveTechnologySeesItsModeCaptionAndState) {
    struct Row {
        int mode;
        bool value;
        QAccessible::Role role;
        bool checked;
    };
    const Row rows[] = {{0, true, QAccessible::Button, false},
                        {1, true, QAccessible::CheckBox, true},
                        {2, false, QAccessible::RadioButton, false}};
    for (const Row& row : rows) {
        OwnerDrawnButton button;
        button.setCaption("Copy &The Files && more||now");
        button.setMode(row.mode);
        button.setValue(row.value);
        QAccessibleInterface* face = accessible(&button);
        EXPECT_EQ(face->role(), row.role) << row.mode;
        EXPECT_EQ(face->text(QAccessible::Name), "Copy The Files & more now") << row.mode;
        EXPECT_EQ(face->state().checked, row.checked) << row.mode;
        EXPECT_EQ(face->actionInterface()->keyBindingsForAction(
                      face->actionInterface()->actionNames().front()),
                  QStringList{"Alt+T"});
    }
}

// A window acting on Pressed acts once for each press, however it is made; every mouse
// button raises MouseDown, only the left one clicks.
TEST(OwnerDrawnButton, EveryWayOfPressingPressesOnce) {
    struct Way {
        const char* name;
        int key; // 0: a mouse button; -1: an assistive technology's press
        Qt::KeyboardModifiers modifiers = {};
        Qt::MouseButton mouseButton = Qt::LeftButton;
    };
    const Way ways[] = {{"right mouse button", 0, {}, Qt::RightButton},
                        {"left mouse button with Shift", 0, Qt::ShiftModifier},
                        {"Space", Qt::Key_Space},
                        {"Enter", Qt::Key_Return},
                        {"Enter of the keypad", Qt::Key_Enter, Qt::KeypadModifier},
                        {"access key", Qt::Key_P, Qt::AltModifier},
                        {"assistive technology", -1}};
    Window window;
    OwnerDrawnButton* button = window.button("&Preview");
    button->setFocus();
    const auto press = [button](const Way& way) {
        if (way.key == 0)
            QTest::mouseClick(button, way.mouseButton, way.modifiers);
        else if (way.key < 0)
            pressAccessibly(button);
        else
            QTest::keyClick(button, Qt::Key(way.key), way.modifiers);
    };
    QSignalSpy pressed(button, &OwnerDrawnButton::Pressed);
    QSignalSpy mouseDown(button, &OwnerDrawnButton::MouseDown);
    QSignalSpy click(button, &OwnerDrawnButton::Click);
    for (const Way& way : ways) {
        const qsizetype before = pressed.count();
        press(way);
        EXPECT_EQ(pressed.count(), before + 1) << way.name;
    }
    // Button numbers 2 and 1, Shift 1; the right button made no Click.
    ASSERT_EQ(mouseDown.count(), 2);
    EXPECT_EQ(mouseDown.at(0).mid(0, 2), (QList<QVariant>{2, 0}));
    EXPECT_EQ(mouseDown.at(1).mid(0, 2), (QList<QVariant>{1, 1}));
    EXPECT_EQ(click.count(), pressed.count() - 1);
    button->setEnabledState(false);
    const qsizetype enabledPresses = pressed.count();
    for (const Way& way : ways)
        press(way);
    EXPECT_EQ(pressed.count(), enabledPresses) << "a disabled button stays quiet";
}

TEST(OwnerDrawnButton, RaisesItsEventsInTheOrderWindowsExpect) {
    using Act = std::function<void(OwnerDrawnButton*)>;
    const QPoint centre(40, 15);
    const Act click = [centre](auto* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, centre);
    };
    struct Row {
        const char* name;
        int mode;
        bool value;
        Act act;
        const char* events;
        bool valueAfter = false;
    };
    const Row rows[] = {
        {"left click", 0, false, click, "MouseDown 1, MouseUp 1, Click"},
        {"right click", 0, false,
         [centre](auto* b) { QTest::mouseClick(b, Qt::RightButton, {}, centre); },
         "MouseDown 2, MouseUp 2"},
        {"press, drag off, release", 0, false,
         [centre](auto* b) {
             QTest::mousePress(b, Qt::LeftButton, {}, centre);
             QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(120, 60));
         },
         "MouseDown 1, MouseUp 1"},
        {"double click", 0, false,
         [centre](auto* b) {
             QTest::mousePress(b, Qt::LeftButton, {}, centre);
             QTest::mouseRelease(b, Qt::LeftButton, {}, centre);
             QTest::mouseDClick(b, Qt::LeftButton, {}, centre);
             QTest::mouseRelease(b, Qt::LeftButton, {}, centre);
         },
         "MouseDown 1, MouseUp 1, Click, DoubleClick 1, MouseDown 1, MouseUp 1"},
        {"Space on a command button", 0, false, [](auto* b) { QTest::keyClick(b, Qt::Key_Space); },
         "KeyDown 32, KeyPress 32, Click, KeyUp 32"},
        {"Space on a check button", 1, false, [](auto* b) { QTest::keyClick(b, Qt::Key_Space); },
         "KeyDown 32, KeyPress 32, KeyUp 32, Click", true},
        {"a letter", 0, false, [](auto* b) { QTest::keyClick(b, Qt::Key_A); },
         "KeyDown 65, KeyPress 97, KeyUp 65"},
        {"Shift", 0, false, [](auto* b) { QTest::keyClick(b, Qt::Key_Shift); }, "KeyDown 16"},
        {"each click toggles a check button", 1, false,
         [click](auto* b) {
             click(b);
             click(b);
         },
         "MouseDown 1, MouseUp 1, Click, MouseDown 1, MouseUp 1, Click", false},
        {"a selected option clicked again", 2, true, click, "MouseDown 1, MouseUp 1", true},
        {"Enter on a check button", 1, false, [](auto* b) { QTest::keyClick(b, Qt::Key_Return); },
         "KeyDown 13, KeyPress 13, KeyUp 13"},
        {"the access key of a check button", 1, false,
         [](auto* b) { QTest::keyClick(b, Qt::Key_B, Qt::AltModifier); },
         "KeyDown 18, Click, KeyUp 66, KeyUp 18", true},
    };
    Window window;
    for (const Row& row : rows) {
        std::unique_ptr<OwnerDrawnButton> button(window.button("&Button", row.mode));
        button->setValue(row.value);
        button->setFocus();
        EventLog log(button.get());
        row.act(button.get());
        EXPECT_EQ(log.text(), row.events) << row.name;
        EXPECT_EQ(button->Value(), row.valueAfter) << row.name;
    }
}

// An arrow moves the focus, as the window would: the button raises no key event for it,
// and an option button the arrow lands on is selected when the key goes up.
TEST(OwnerDrawnButton, ArrowsGoToTheContainerAndSelectTheOptionTheyReach) {
    Window window;
    auto* container = new QWidget(&window.widget);
    container->setGeometry(0, 0, 300, 100);
    container->show();
    OwnerDrawnButton* first = window.button("First", 2, container);
    OwnerDrawnButton* second = window.button("Second", 2, container);
    first->setValue(true);
    first->setFocus();
    QStringList containerKeys;
    struct KeyRecorder : QObject {
        QStringList& keys;
        explicit KeyRecorder(QStringList& k)
            : keys(k) {}
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::KeyPress)
                keys.append(QKeySequence(static_cast<QKeyEvent*>(event)->key()).toString());
            return false;
        }
    } recorder(containerKeys);
    container->installEventFilter(&recorder);
    EventLog log(first);
    QTest::keyPress(first, Qt::Key_Right);
    ASSERT_EQ(QApplication::focusWidget(), second);
    QTest::keyRelease(second, Qt::Key_Right);
    EXPECT_EQ(containerKeys, QStringList{"Right"});
    EXPECT_EQ(log.text(), "");
    EXPECT_TRUE(second->Value());
    EXPECT_FALSE(first->Value());
}

// One option selected per container: members leave when they stop being options, are
// reparented or destroyed, and rejoin when they become options again.
TEST(OwnerDrawnButton, OptionButtonsOfOneContainerExcludeEachOther) {
    Window window;
    OwnerDrawnButton* a = window.button("A", 2);
    OwnerDrawnButton* b = window.button("B", 2);
    OwnerDrawnButton* c = window.button("C", 2);
    const auto selected = [&] {
        return QString("%1%2%3").arg(a->Value()).arg(b->Value()).arg(c->Value());
    };
    QTest::mouseClick(a, Qt::LeftButton);
    QTest::mouseClick(c, Qt::LeftButton);
    EXPECT_EQ(selected(), "001");
    a->setMode(0);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(selected(), "010");
    a->setMode(2);
    a->setValue(true);
    EXPECT_EQ(selected(), "100");

    // A layout's reparenting takes c into the group of its new container.
    auto* frame = new QWidget(&window.widget);
    c->setParent(frame);
    c->setValue(true);
    EXPECT_EQ(selected(), "101");
    delete b;
    b = window.button("B again", 2);
    b->setValue(true);
    EXPECT_EQ(selected(), "011");

    // A loaded option button that was stored selected clears its new group.
    auto* loaded = new OwnerDrawnButton(&window.widget);
    loaded->readProperties({{"Mode", 2}, {"Value", true}, {"Caption", "Loaded"}});
    EXPECT_EQ(selected(), "001");
    EXPECT_EQ(loaded->Caption(), "Loaded");
}

// The pointer's leaving is found by the next 50 ms tick, driven here by hand.
TEST(OwnerDrawnButton, NoticesThePointerLeavingOnTheNextHoverTick) {
    Window window;
    OwnerDrawnButton* button = window.button("Hover");
    EventLog log(button);
    auto* timer = button->findChild<QTimer*>("qd_HoverTimer");
    ASSERT_NE(timer, nullptr);
    const auto tick = [button] {
        hoverTick(button);
    };
    PaintCounter counter(button);
    QTest::mouseMove(button, QPoint(20, 10));
    QTest::mouseMove(button, QPoint(30, 12));
    EXPECT_EQ(log.text(), "MouseOnButton 1");
    EXPECT_EQ(counter.after(), 1) << "the hover look";
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 50);
    tick();
    EXPECT_EQ(log.text(), "MouseOnButton 1") << "still over it";
    QCursor::setPos(window.widget.mapToGlobal(QPoint(250, 150)));
    tick();
    EXPECT_EQ(log.text(), "MouseOnButton 1, MouseOnButton 0");
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(counter.after(), 2) << "the look without hover";
    QTest::mouseMove(button, QPoint(20, 10));
    EXPECT_EQ(log.text(), "MouseOnButton 1, MouseOnButton 0, MouseOnButton 1") << "and back";
}

// What the button shows is the look its state leads to.
TEST(OwnerDrawnButton, ShowsTheLookItsInputLeadsTo) {
    using Act = std::function<void(OwnerDrawnButton*, OwnerDrawnButton*)>;
    struct Row {
        const char* name;
        Act act;
        ButtonLook look;
    };
    const Row rows[] = {
        {"idle", [](auto*, auto*) {}, {}},
        {"the pointer over it",
         [](auto* b, auto*) { QTest::mouseMove(b, QPoint(20, 10)); },
         {.over = true}},
        {"focused", [](auto* b, auto*) { b->setFocus(); }, {.focused = true, .defaultLook = true}},
        {"Space held, the second time",
         [](auto* b, auto*) {
             b->setFocus();
             QTest::keyClick(b, Qt::Key_Space);
             QTest::keyPress(b, Qt::Key_Space);
         },
         {.focused = true,
          .defaultLook = true,
          .pressed = true,
          .pressedByKey = true,
          .mouseHeld = true}},
        {"the window's default button",
         [](auto* b, auto*) { b->setDefault(true); },
         {.defaultLook = true}},
        {"another button has the focus",
         [](auto* b, auto* other) {
             other->setFocus();
             b->setDefault(true);
         },
         {}},
        {"disabled", [](auto* b, auto*) { b->setEnabledState(false); }, {.enabled = false}},
        {"Space pressed and let go",
         [](auto* b, auto*) {
             b->setFocus();
             QTest::keyClick(b, Qt::Key_Space);
         },
         {.focused = true, .defaultLook = true}},
        {"the pointer gone again",
         [](auto* b, auto*) {
             QTest::mouseMove(b, QPoint(20, 10));
             QCursor::setPos(b->window()->mapToGlobal(QPoint(250, 150)));
             hoverTick(b);
         },
         {}},
        {"double clicked and held",
         [](auto* b, auto*) {
             QTest::mouseMove(b, QPoint(20, 10));
             QTest::mousePress(b, Qt::LeftButton);
             QTest::mouseRelease(b, Qt::LeftButton);
             QTest::mouseDClick(b, Qt::LeftButton);
         },
         {.focused = true, .defaultLook = true, .over = true, .pressed = true, .mouseHeld = true}},
        {"a key typed on a check button leaves it up",
         [](auto* b, auto*) {
             b->setMode(1);
             b->setFocus();
             QTest::keyClick(b, Qt::Key_A);
         },
         {.focused = true}},
    };
    Window window;
    auto* edit = new QLineEdit(&window.widget);
    edit->setGeometry(10, 100, 100, 24);
    edit->show();
    for (const Row& row : rows) {
        std::unique_ptr<OwnerDrawnButton> button(window.button("&Look"));
        std::unique_ptr<OwnerDrawnButton> other(window.button("Other"));
        button->setButtonStyle(1);
        edit->setFocus();
        row.act(button.get(), other.get());
        const ButtonProperties properties =
            loadButtonProperties(button->writeProperties(), {window.widget.font(), 0});
        EXPECT_EQ(button->grab().toImage().convertToFormat(QImage::Format_RGB32),
                  test::buttonImage(properties, row.look, button->size(), 0))
            << row.name;
    }
}

// Changes made while drawing is delayed are drawn once, when the delay ends.
TEST(OwnerDrawnButton, DrawsOnceAfterADelay) {
    Window window;
    OwnerDrawnButton* button = window.button("Delayed");
    PaintCounter counter(button);
    button->DelayDrawing(true);
    button->setBackColor(0x00FF00);
    button->setCaption("Later");
    button->setGradientColor(0x0000FF);
    EXPECT_EQ(counter.after(), 0);
    button->DelayDrawing(false);
    EXPECT_EQ(counter.after(), 1);
    button->setBackColor(0xFF0000);
    EXPECT_EQ(counter.after(), 2);
}

TEST(OwnerDrawnButton, ShowsThePointerItsMousePointerNames) {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    OwnerDrawnButton button;
    const auto shape = [&button] {
        return button.cursor().shape();
    };
    EXPECT_EQ(shape(), Qt::ArrowCursor);
    button.setMousePointer(11);
    EXPECT_EQ(shape(), Qt::WaitCursor);
    button.setMousePointer(customMousePointer);
    EXPECT_EQ(shape(), Qt::ArrowCursor) << "no icon yet";
    button.setMouseIcon(QPixmap::fromImage(icon));
    EXPECT_EQ(shape(), Qt::BitmapCursor);
    button.setMousePointer(0);
    EXPECT_EQ(shape(), Qt::ArrowCursor);
}

// A dialog's default button takes Enter and its cancel button Escape from wherever the
// focus is, unless a command button with the focus takes the key itself.
TEST(OwnerDrawnButton, DialogsRouteEnterAndEscapeToTheirButtons) {
    struct Row {
        const char* focus;
        Qt::Key key;
        const char* clicked;
    };
    const Row rows[] = {{"edit", Qt::Key_Return, "OK"},
                        {"edit", Qt::Key_Escape, "Cancel"},
                        {"Cancel", Qt::Key_Return, "Cancel"},
                        {"check", Qt::Key_Enter, "OK"}};
    for (const Row& row : rows) {
        QDialog dialog;
        auto* edit = new QLineEdit(&dialog);
        edit->setObjectName("edit");
        QStringList clicked;
        const auto make = [&](const char* caption, int mode) {
            auto* button = new OwnerDrawnButton(&dialog);
            button->setObjectName(caption);
            button->setCaption(caption);
            button->setMode(mode);
            QObject::connect(button, &OwnerDrawnButton::Click, &dialog,
                             [&clicked, caption] { clicked.append(caption); });
            return button;
        };
        make("OK", 0)->setDefault(true);
        make("Cancel", 0)->setCancel(true);
        make("check", 1);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.findChild<QWidget*>(row.focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), row.key);
        EXPECT_EQ(clicked, QStringList{row.clicked}) << row.focus << " " << row.key;
        EXPECT_TRUE(dialog.isVisible()) << "the button decides, not the dialog";
    }
}

// A custom shape is its picture without the picture's top-left colour: only the rest
// takes clicks, and a pressed one moves where CustomClick says.
TEST(OwnerDrawnButton, CustomShapeTakesClicksOnlyOnItsPicture) {
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::magenta);
    for (int y = 5; y < 15; ++y)
        for (int x = 10; x < 30; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 200));
    Window window;
    OwnerDrawnButton* button = window.button("");
    button->setPicture(QPixmap::fromImage(picture));
    button->setButtonShape(7);
    button->setCustomClick(4);
    button->move(50, 50);
    QSignalSpy click(button, &OwnerDrawnButton::Click);
    // Through the window, which finds the widget under the pointer as a user's click does.
    QWindow* screen = window.widget.windowHandle();
    for (const QPoint at : {QPoint(2, 2), QPoint(35, 10), QPoint(15, 17), QPoint(45, 10)})
        QTest::mouseClick(screen, Qt::LeftButton, {}, button->pos() + at);
    EXPECT_EQ(click.count(), 0) << "the key colour and beyond the picture";

    const QPoint inside = button->pos() + QPoint(20, 10);
    QTest::mouseMove(screen, inside);
    QTest::mousePress(screen, Qt::LeftButton, {}, inside);
    EXPECT_EQ(button->pos(), QPoint(51, 51)) << "pressed: one pixel right and down";
    QTest::mouseRelease(screen, Qt::LeftButton, {}, inside);
    EXPECT_EQ(button->pos(), QPoint(50, 50));
    EXPECT_EQ(click.count(), 1);
}

} // namespace
} // namespace tidecopy
