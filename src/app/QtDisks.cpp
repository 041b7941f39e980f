#include "app/QtDisks.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <array>

using DBusInterfaces = QMap<QString, QVariantMap>;
using DBusObjects = QMap<QDBusObjectPath, DBusInterfaces>;

namespace tidecopy {

namespace {

const QString service = QStringLiteral("org.freedesktop.UDisks2");
const QString blockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
const QString fileSystemInterface = QStringLiteral("org.freedesktop.UDisks2.Filesystem");
const QString driveInterface = QStringLiteral("org.freedesktop.UDisks2.Drive");

struct ToolCommand {
    const char* program;
    QStringList arguments; // "%d" stands for the device
};

std::vector<ToolCommand> commandsOf(DiskTool tool) {
    switch (tool) {
    case DiskTool::DiskCleanup:
        return {{"baobab", {}}, {"filelight", {}}, {"qdirstat", {}}};
    case DiskTool::Defragmentation:
        return {};
    case DiskTool::DiskManagement:
        return {{"gnome-disks", {}}, {"partitionmanager", {}}};
    case DiskTool::Format:
        // Its format dialog asks the user before anything is written.
        return {{"gnome-disks", {"--block-device", "%d", "--format-device"}}};
    }
    return {};
}

std::optional<ToolCommand> installed(DiskTool tool) {
    for (ToolCommand& command : commandsOf(tool))
        if (!QStandardPaths::findExecutable(QString::fromLatin1(command.program)).isEmpty())
            return std::move(command);
    return std::nullopt;
}

// Byte strings of UDisks2 end with a NUL.
std::string bytesText(QByteArray bytes) {
    if (bytes.endsWith('\0'))
        bytes.chop(1);
    return bytes.toStdString();
}

std::vector<std::string> mountPointsOf(const QVariant& value) {
    QByteArrayList list;
    if (value.canConvert<QDBusArgument>())
        value.value<QDBusArgument>() >> list;
    std::vector<std::string> points;
    for (const QByteArray& bytes : list)
        points.push_back(bytesText(bytes));
    return points;
}

std::optional<DBusObjects> managedObjects() {
    static const bool registered = [] {
        qDBusRegisterMetaType<DBusInterfaces>();
        qDBusRegisterMetaType<DBusObjects>();
        return true;
    }();
    (void)registered;
    const QDBusMessage call = QDBusMessage::createMethodCall(
        service, QStringLiteral("/org/freedesktop/UDisks2"),
        QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("GetManagedObjects"));
    const QDBusReply<DBusObjects> reply = QDBusConnection::systemBus().call(call);
    if (!reply.isValid())
        return std::nullopt;
    return reply.value();
}

DiskDevice deviceOf(const DBusInterfaces& interfaces, const DBusObjects& objects) {
    const QVariantMap& block = interfaces[blockInterface];
    DiskDevice device;
    device.device = bytesText(block.value("PreferredDevice").toByteArray());
    if (device.device.empty())
        device.device = bytesText(block.value("Device").toByteArray());
    if (interfaces.contains(fileSystemInterface))
        device.mountPoints = mountPointsOf(interfaces[fileSystemInterface].value("MountPoints"));
    const auto drive = objects.find(block.value("Drive").value<QDBusObjectPath>());
    if (drive != objects.end()) {
        const QVariantMap& properties = drive.value()[driveInterface];
        device.removable = properties.value("Removable").toBool() ||
                           properties.value("MediaRemovable").toBool() ||
                           properties.value("Ejectable").toBool();
        const QStringList media = properties.value("MediaCompatibility").toStringList();
        device.optical = std::any_of(media.begin(), media.end(),
                                     [](const QString& m) { return m.startsWith("optical"); });
        device.floppy = std::any_of(media.begin(), media.end(),
                                    [](const QString& m) { return m.startsWith("floppy"); });
    }
    return device;
}

} // namespace

QtDisks::QtDisks() = default;

std::vector<DiskDevice> QtDisks::devices() {
    const std::optional<DBusObjects> objects = managedObjects();
    std::vector<DiskDevice> devices;
    if (!objects)
        return devices;
    for (const DBusInterfaces& interfaces : *objects) {
        if (!interfaces.contains(blockInterface) ||
            interfaces[blockInterface].value("HintIgnore").toBool())
            continue;
        DiskDevice device = deviceOf(interfaces, *objects);
        // A whole disk that holds partitions is not a drive of its own here.
        if (interfaces.contains(fileSystemInterface) || device.optical || device.floppy)
            devices.push_back(std::move(device));
    }
    return devices;
}

std::error_code QtDisks::setLabel(const std::string& mountPoint, const std::string& label) {
    const std::optional<DBusObjects> objects = managedObjects();
    if (!objects)
        return std::make_error_code(std::errc::host_unreachable);
    for (auto object = objects->begin(); object != objects->end(); ++object) {
        const auto fileSystem = object.value().find(fileSystemInterface);
        if (fileSystem == object.value().end())
            continue;
        const std::vector<std::string> points =
            mountPointsOf(fileSystem.value().value("MountPoints"));
        if (std::find(points.begin(), points.end(), mountPoint) == points.end())
            continue;
        QDBusMessage call = QDBusMessage::createMethodCall(service, object.key().path(),
                                                           fileSystemInterface, "SetLabel");
        call << QString::fromStdString(label) << QVariantMap{};
        const QDBusMessage reply = QDBusConnection::systemBus().call(call);
        return reply.type() == QDBusMessage::ReplyMessage
                   ? std::error_code{}
                   : std::make_error_code(std::errc::operation_not_permitted);
    }
    return std::make_error_code(std::errc::no_such_device);
}

bool QtDisks::hasTool(DiskTool tool) {
    return installed(tool).has_value();
}

std::error_code QtDisks::startTool(DiskTool tool, const std::string& device) {
    const std::optional<ToolCommand> command = installed(tool);
    if (!command)
        return std::make_error_code(std::errc::function_not_supported);
    QStringList arguments = command->arguments;
    arguments.replaceInStrings("%d", QString::fromStdString(device));
    return QProcess::startDetached(QString::fromLatin1(command->program), arguments)
               ? std::error_code{}
               : std::make_error_code(std::errc::no_such_file_or_directory);
}

} // namespace tidecopy
