#pragma once

#include <QComboBox>

namespace tidecopy {

// A drive list (Drive1, Drive2): one entry per mounted volume. It reads the volumes
// again when it loses the focus and before it opens, so drives plugged in since show.
class DriveList : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;

signals:
    void refreshWanted();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace tidecopy
