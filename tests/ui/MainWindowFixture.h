#pragma once

#include "app/MainWindow.h"
#include "config/SaveINI.h"
#include "log/ui/QtLogPrinter.h"
#include "panes/SplitTheText.h"
#include "platform/NativeFileSystem.h"
#include "support/FakeDisks.h"
#include "support/FakePlatform.h"
#include "support/FakeWeb.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>
#include <atomic>
#include <condition_variable>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>

namespace tidecopy {

namespace test {

// The real file system, except that copying a file whose path holds the gate's text
// waits until the test opens the gate: a run held in the middle of its files.
class GatedFileSystem : public NativeFileSystem {
public:
    void closeGate(std::string pathContains) {
        std::lock_guard lock(m_mutex);
        m_gate = std::move(pathContains);
        m_open = false;
    }
    void openGate() {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }
    bool reached() const { return m_reached; }

    Result<TemporaryFile> createTemporaryCopy(const OpenFolder& folder, const std::string& source,
                                              const CancelCheck& cancelled) override {
        {
            std::unique_lock lock(m_mutex);
            if (!m_gate.empty() && source.find(m_gate) != std::string::npos) {
                m_reached = true;
                m_changed.wait(lock, [this] { return m_open; });
            }
        }
        return NativeFileSystem::createTemporaryCopy(folder, source, cancelled);
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::string m_gate;
    bool m_open = true;
    std::atomic<bool> m_reached{false};
};

} // namespace test

// A main window whose program folder, drives and user folders all lie in a temporary
// folder: disk/ is a drive holding the folders, usb/ a drive that is not there.
class MainWindowFixture : public testing::Test {
protected:
    MainWindowFixture() {
        temp.writeFile("disk/start/b.txt", "bb");
        temp.writeFile("disk/start/a.txt", std::string(3000, 'a'));
        temp.makeFolder("disk/start/sub");
        temp.makeFolder("disk/other");
        temp.makeFolder("disk/Pictures");
        temp.makeFolder("program/Logs");
        temp.makeFolder("program/Profiles");
        volumes.add(temp / "disk", "", {2'000'000'000, 8'000'000'000});
        // A spinning disk: a run copies one file at a time, so a test can hold it at one.
        volumes.volumes.back().rotational = true;
        volumes.add(temp / "usb", "STICK");
        environment.programFolder = temp / "program";
        environment.resourceFolder = temp / "share";
        environment.dataFolder = temp / "program";
        environment.configHome = temp / "config";
        clock.setLocal({2016, 6, 21, 10, 0, 0});
        fake.platform.userFolders = [this](UserFolder folder) {
            return folder == UserFolder::Pictures ? temp / "disk/Pictures" : temp / "disk/none";
        };
    }

    std::unique_ptr<MainWindow> makeWindow(const std::string& folder = "disk/start") {
        return std::make_unique<MainWindow>(fake.platform,
                                            FrontEnd{prompts, RunPauses::Skipped, web.services,
                                                     printer, disks,
                                                     [this] {
                                                         ++programEnds;
                                                     }},
                                            temp / folder);
    }
    std::unique_ptr<MainWindow> loadedWindow(const std::string& folder = "disk/start") {
        auto window = makeWindow(folder);
        window->Form_Load();
        return window;
    }

    template <typename Widget>
    Widget* find(MainWindow& window, const QString& name) {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    // A folder as its pane's name label shows it.
    static QString folderLabel(const std::string& folder) {
        return QString::fromStdString(SplitTheText(folder, '/', 40)).replace("\r\n", "\n");
    }

    // A click on a check box's indicator.
    static void clickCheckBox(QWidget* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }

    QString labelText(MainWindow& window, const QString& name) {
        return find<QLabel>(window, name)->text();
    }
    // What a screen reader says a control is called.
    static QString spokenName(QWidget* control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    }

    // Opens the gate whatever happens in a test, so the window can wait for its worker.
    struct GateOpener {
        test::GatedFileSystem& fs;
        ~GateOpener() { fs.openGate(); }
    };

    // A settings file as closing the window would write it.
    void writeSettings(bool recall) {
        OptionSet options;
        MainState state;
        state.chkRecall.checked = recall;
        state.Dir1 = temp / "disk/other";
        state.Dir2 = temp / "disk/start/sub";
        state.cmbSourceHistory = {{temp / "disk/other"}, -1};
        state.window = {1500, 3000, false};
        temp.writeFile("program/Tidecopy.ini", settingsFileText(options, state));
    }

    test::TempFolder temp;
    test::GatedFileSystem fs;
    test::FakePlatform fake{fs};
    test::FakeVolumes& volumes = fake.volumes;
    test::FakeShell& shell = fake.shell;
    test::FakeClock& clock = fake.clock;
    Environment& environment = fake.environment;
    test::FakePower& power = fake.power;
    test::FakeSound& sound = fake.sound;
    test::ScriptedPrompts prompts;
    test::FakeWeb web;
    // Prints into the test's folder, never on a printer.
    QtLogPrinter printer{QString::fromStdString(temp / "log.pdf")};
    int programEnds = 0;
    test::FakeDisks disks;
};

} // namespace tidecopy
