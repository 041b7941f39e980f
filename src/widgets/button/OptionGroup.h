#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace tidecopy {

class OwnerDrawnButton;

// The option-mode buttons of one container, of which one at most is selected. It lives
// as a child of the container; members are weak, so a destroyed button is never reached.
class OptionGroup : public QObject {
    Q_OBJECT
public:
    // The container's group, made on first use.
    static OptionGroup* of(QWidget* container);

    // Joining while selected clears the other members first.
    void join(OwnerDrawnButton* button);
    void leave(OwnerDrawnButton* button);
    // Every member but `selected` becomes unselected.
    void clearOthers(const OwnerDrawnButton* selected);
    bool anySelected() const;
    QList<OwnerDrawnButton*> members() const;

private:
    explicit OptionGroup(QWidget* container);

    QList<QPointer<OwnerDrawnButton>> m_members;
};

} // namespace tidecopy
