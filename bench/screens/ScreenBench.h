#pragma once

#include "ScaledCatalogs.h"

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/Prompter.h"
#include "screens/PointerOverMain.h"
#include "screens/ScreenContext.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

namespace merix::bench {

class SilentPrompter final : public Prompter {
  public:
    void inform(const std::string&) override {}
    bool ask(const std::string&) override { return false; }
};

// A document loaded from scaled sample catalogs in a folder of its own.
class ScaledDocument {
  public:
    explicit ScaledDocument(const CatalogScale& scale) {
        char pattern[] = "/tmp/merix-screen-bench-XXXXXX";
        if (!::mkdtemp(pattern))
            throw std::runtime_error("no temporary folder");
        m_dir = pattern;
        writeScaledCatalogs(m_dir, scale);
        doc.setStartupDirectory(m_dir.string());
        if (!loadCatalogs(doc, prompter))
            throw std::runtime_error("the scaled catalogs do not load");
        doc.setDocumentOpen(true);
    }
    ~ScaledDocument() { std::filesystem::remove_all(m_dir); }
    ScaledDocument(const ScaledDocument&) = delete;
    ScaledDocument& operator=(const ScaledDocument&) = delete;

    ScreenContext context() { return ScreenContext{doc, prompter, nullptr, pointer, {}}; }

    ConfigDocument doc;
    SilentPrompter prompter;
    PointerOverMain pointer;

  private:
    std::filesystem::path m_dir;
};

// The time from the button press to a window on the screen: build, read the catalogs again,
// show the first entry, and let the window be laid out and painted once.
template <typename Screen> void benchOpenScreen(benchmark::State& state, ScaledDocument& scaled) {
    for (auto _ : state) {
        auto screen = std::make_unique<Screen>(scaled.context(), nullptr);
        screen->show();
        QApplication::processEvents();
        state.PauseTiming();
        screen.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace merix::bench
