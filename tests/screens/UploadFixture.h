#pragma once

#include "document/DocumentLifecycle.h"
#include "document/SideFiles.h"
#include "generator/CommandFileGenerator.h"
#include "link/UploadSettings.h"
#include "screens/PortMapSettings.h"
#include "screens/TextEditorLauncher.h"
#include "screens/UploadSession.h"
#include "tests/screens/GuiTestSupport.h"
#include "tests/support/RecordingPrompter.h"

#include <QListWidget>
#include <QSettings>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace merix::test {

// Remembers the files it was asked to open in an editor; fails on request.
class RecordingEditor : public TextEditorLauncher {
  public:
    std::vector<std::string> opened;
    bool starts = true;
    bool open(const std::string& path) override {
        opened.push_back(path);
        return starts;
    }
};

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::vector<std::string> listLines(const QListWidget* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i)
        out.push_back(list->item(i)->text().toStdString());
    return out;
}

// A new document saved in a folder with the test catalogs, BEFORE.CMD and AFTER.CMD beside
// it, its command file generated, and the profile settings of this test in that folder.
class UploadFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        const QString profile = QString::fromStdString(folder.file("profile"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, profile);
        doc().setStartupDirectory(folder.path());
        ASSERT_TRUE(lifecycle.newDocument());
        ensureSideFiles(folder.path());
        ASSERT_TRUE(lifecycle.save());
        settings = defaultUploadSettings(folder.path());
        regenerate();
    }

    ConfigDocument& doc() { return lifecycle.document(); }
    std::string documentPath() { return doc().documentPath(); }

    void regenerate() {
        ASSERT_TRUE(lifecycle.save());
        commandFile = generateCommandFile(doc(), settings.uploadOption, prompter).path;
        ASSERT_FALSE(commandFile.empty());
        if (session)
            session->commandFile = commandFile;
    }

    // COM1 (or another port) goes to the device through the profile settings.
    void mapPort(int index, const std::string& device) {
        PortMap ports = loadPortMap();
        ports.setDevice(index, device);
        savePortMap(ports);
    }

    UploadSession& makeSession() {
        session = std::make_unique<UploadSession>(
            UploadSession{doc(), settings, commandFile, loadPortMap(), prompter, &busy, editor});
        return *session;
    }

    CatalogFolder folder;
    RecordingPrompter prompter;
    CountingBusy busy;
    ScriptedChooser chooser;
    CVeskDoc lifecycle{prompter, chooser, &busy};
    UploadSettings settings;
    std::string commandFile;
    RecordingEditor editor;
    std::unique_ptr<UploadSession> session;
};

} // namespace merix::test
