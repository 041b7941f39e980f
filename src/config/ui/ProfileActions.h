#pragma once

#include "config/ProfileCommands.h"

#include <QObject>

class QAction;
class QWidget;

namespace tidecopy {

// The profile commands of the window: Open (cmdSaveOpen(0)) and Save (cmdSaveOpen(1)).
// The rules, the dialogs and the names they remember are the core's ProfileCommands.
class ProfileActions : public QObject {
    Q_OBJECT
public:
    ProfileActions(SettingsContext& settings, Prompts& prompts,
                   ProfileCommands::AppendLog appendLog, QObject* parent);

    QAction* open() const { return m_open; }
    QAction* save() const { return m_save; }

signals:
    // Before a profile is written: the window hands over what it has not yet put in
    // its state (log edits, its position).
    void aboutToSave();
    // A profile was opened into the state, or saved; label is what lblProfile shows.
    void opened(const QString& label);
    void saved(const QString& label);

private:
    void openProfile();
    void saveProfile();

    ProfileCommands m_commands;
    QAction* m_open;
    QAction* m_save;
};

} // namespace tidecopy
