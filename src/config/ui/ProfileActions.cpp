#include "config/ui/ProfileActions.h"

#include "widgets/Commands.h"

#include <QAction>

namespace tidecopy {

ProfileActions::ProfileActions(SettingsContext& settings, Prompts& prompts,
                               ProfileCommands::AppendLog appendLog, QObject* parent)
    : QObject(parent)
    , m_commands(settings, prompts, std::move(appendLog))
    , m_open(makeCommand(this, "Open", true, "Open Backup/Restore Profiles"))
    , m_save(makeCommand(this, "Save", true,
                         "save a profile using the current settings and folders")) {
    connect(m_open, &QAction::triggered, this, &ProfileActions::openProfile);
    connect(m_save, &QAction::triggered, this, &ProfileActions::saveProfile);
}

void ProfileActions::openProfile() {
    if (const std::optional<std::string> label = m_commands.openProfile())
        emit opened(QString::fromStdString(*label));
}

void ProfileActions::saveProfile() {
    emit aboutToSave();
    if (const std::optional<std::string> label = m_commands.saveProfile())
        emit saved(QString::fromStdString(*label));
}

} // namespace tidecopy
