#pragma once

#include "document/FileChooser.h"
#include "tests/document/LifecycleTestCatalogs.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>

#include <stdlib.h>

namespace merix::test {

// A folder with the test catalogs, removed again at the end.
class CatalogFolder {
  public:
    CatalogFolder() {
        char pattern[] = "/tmp/merix-gui-XXXXXX";
        m_path = ::mkdtemp(pattern);
        writeTestCatalogs(m_path);
    }
    ~CatalogFolder() { std::filesystem::remove_all(m_path); }
    CatalogFolder(const CatalogFolder&) = delete;
    CatalogFolder& operator=(const CatalogFolder&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

  private:
    std::string m_path;
};

// File dialogs answered from a script; cancelled when the script is empty.
class ScriptedChooser : public FileChooser {
  public:
    std::deque<std::string> openAnswers;
    std::deque<std::string> saveAnswers;
    int openCalls = 0;

    std::optional<std::string> chooseFileToOpen() override {
        ++openCalls;
        return take(openAnswers);
    }
    std::optional<std::string> chooseFileToSaveAs(const std::string&) override {
        return take(saveAnswers);
    }

  private:
    static std::optional<std::string> take(std::deque<std::string>& q) {
        if (q.empty())
            return std::nullopt;
        std::string a = q.front();
        q.pop_front();
        return a;
    }
};

} // namespace merix::test
