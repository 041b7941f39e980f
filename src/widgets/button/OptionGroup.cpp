#include "widgets/button/OptionGroup.h"

#include "widgets/button/OwnerDrawnButton.h"

#include <QWidget>
#include <algorithm>

namespace tidecopy {

OptionGroup::OptionGroup(QWidget* container)
    : QObject(container) {
    setObjectName("qd_OptionGroup");
}

OptionGroup* OptionGroup::of(QWidget* container) {
    if (auto* group = container->findChild<OptionGroup*>(QString(), Qt::FindDirectChildrenOnly))
        return group;
    return new OptionGroup(container);
}

void OptionGroup::join(OwnerDrawnButton* button) {
    if (button->Value())
        clearOthers(button);
    if (!m_members.contains(button))
        m_members.append(button);
}

void OptionGroup::leave(OwnerDrawnButton* button) {
    m_members.removeAll(button);
    m_members.removeAll(nullptr);
}

void OptionGroup::clearOthers(const OwnerDrawnButton* selected) {
    // A copy: clearing a member may reach back into the group.
    const QList<OwnerDrawnButton*> others = members();
    for (OwnerDrawnButton* member : others) {
        if (member != selected)
            member->setValue(false);
    }
}

bool OptionGroup::anySelected() const {
    const QList<OwnerDrawnButton*> all = members();
    return std::any_of(all.begin(), all.end(), [](auto* member) { return member->Value(); });
}

QList<OwnerDrawnButton*> OptionGroup::members() const {
    QList<OwnerDrawnButton*> members;
    for (const QPointer<OwnerDrawnButton>& member : m_members) {
        if (member)
            members.append(member.data());
    }
    return members;
}

} // namespace tidecopy
