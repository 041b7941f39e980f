#include "panes/ui/DriveList.h"

#include <QAbstractItemView>

namespace tidecopy {

void DriveList::showPopup() {
    emit refreshWanted();
    QComboBox::showPopup();
}

void DriveList::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (!view()->isVisible())
        emit refreshWanted();
}

} // namespace tidecopy
