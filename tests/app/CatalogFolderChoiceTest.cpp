#include "app/CatalogFolderChoice.h"
#include "app/CatalogFolders.h"
#include "app/QtCatalogFolderQuestions.h"
#include "tests/screens/ModalAnswer.h"
#include "tests/support/TempDir.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>

#include <gtest/gtest.h>

#include <deque>
#include <map>

namespace merix {
namespace {

using Answer = CatalogFolderQuestions::Answer;
using test::TempDir;

// The folders a start can meet; Good holds catalogs, Empty none.
enum class Folder { Start, Document, Remembered, Samples, Copy, Good, Empty };

struct Step {
    Answer answer;
    std::optional<Folder> picked = std::nullopt; // for ChooseFolder: nullopt cancels the dialog
};

class ScriptedQuestions final : public CatalogFolderQuestions {
  public:
    std::deque<Step> script;
    std::map<Folder, QString>* folders = nullptr;
    std::vector<QString> offers;
    std::vector<bool> copyOffered;
    std::vector<QString> informed;

    Answer offer(const QString& text, bool canCopySamples) override {
        offers.push_back(text);
        copyOffered.push_back(canCopySamples);
        if (script.empty())
            return Answer::NotNow;
        m_current = script.front();
        script.pop_front();
        return m_current.answer;
    }
    std::optional<QString> chooseFolder(const QString&) override {
        if (!m_current.picked)
            return std::nullopt;
        return folders->at(*m_current.picked);
    }
    void inform(const QString& text) override { informed.push_back(text); }

  private:
    Step m_current{Answer::NotNow};
};

void writeCatalogs(const QString& dir, const QString& content = QStringLiteral("sample\r\n")) {
    QDir().mkpath(dir);
    for (const QString& name : catalogFileNames()) {
        QFile file(dir + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content.toUtf8());
    }
}

// A tree of the folders of one start, with or without catalogs in each.
struct StartFolders {
    TempDir root;
    std::map<Folder, QString> path;

    StartFolders(bool start, bool document, bool remembered, bool samples) {
        const QString base = QString::fromStdString(root.path());
        const std::pair<Folder, const char*> names[] = {{Folder::Start, "start"},
                                                        {Folder::Document, "document"},
                                                        {Folder::Remembered, "remembered"},
                                                        {Folder::Samples, "share/merix/catalogs"},
                                                        {Folder::Copy, "data/MERIX/catalogs"},
                                                        {Folder::Good, "controller"},
                                                        {Folder::Empty, "empty"}};
        for (const auto& [folder, name] : names)
            path[folder] = base + QLatin1Char('/') + QString::fromLatin1(name);
        for (Folder f : {Folder::Start, Folder::Document, Folder::Remembered, Folder::Empty})
            QDir().mkpath(path[f]);
        const std::pair<Folder, bool> filled[] = {{Folder::Start, start},
                                                  {Folder::Document, document},
                                                  {Folder::Remembered, remembered},
                                                  {Folder::Samples, samples},
                                                  {Folder::Good, true}};
        for (const auto& [folder, fill] : filled)
            if (fill)
                writeCatalogs(path[folder]);
    }
    CatalogFolderSources sources(bool withDocument) {
        return {path[Folder::Start], withDocument ? path[Folder::Document] : QString(),
                path[Folder::Samples], path[Folder::Copy]};
    }
};

struct Case {
    const char* name;
    bool startHas, documentGiven, documentHas;
    std::optional<bool> remembered; // nullopt: nothing remembered; false: emptied since
    bool samples;
    std::vector<Step> script;
    Folder expected;
    std::optional<Folder> stored; // remembered afterwards
    std::size_t offers;
    std::vector<QString> informed; // each with "%1" for the folder named
};

TEST(CatalogFolderChoice, WhereTheCatalogsComeFromAndWhatIsRemembered) {
    const Case cases[] = {
        {"started in a catalog folder",
         true,
         true,
         true,
         true,
         true,
         {},
         Folder::Start,
         Folder::Remembered,
         0,
         {}},
        {"the document's folder",
         false,
         true,
         true,
         true,
         true,
         {},
         Folder::Document,
         Folder::Remembered,
         0,
         {}},
        {"the folder chosen before",
         false,
         true,
         false,
         true,
         true,
         {},
         Folder::Remembered,
         Folder::Remembered,
         0,
         {}},
        {"copy of the samples",
         false,
         false,
         false,
         std::nullopt,
         true,
         {{Answer::CopySamples}},
         Folder::Copy,
         Folder::Copy,
         1,
         {}},
        {"a folder chosen",
         false,
         false,
         false,
         std::nullopt,
         true,
         {{Answer::ChooseFolder, Folder::Good}},
         Folder::Good,
         Folder::Good,
         1,
         {}},
        {"an empty folder, a cancelled dialog, then the samples",
         false,
         false,
         false,
         std::nullopt,
         true,
         {{Answer::ChooseFolder, Folder::Empty}, {Answer::ChooseFolder}, {Answer::CopySamples}},
         Folder::Copy,
         Folder::Copy,
         3,
         {QStringLiteral("The folder %1 holds no catalog files.")}},
        {"not now remembers nothing",
         false,
         false,
         false,
         std::nullopt,
         true,
         {{Answer::NotNow}},
         Folder::Start,
         std::nullopt,
         1,
         {}},
        {"the folder chosen before was emptied",
         false,
         false,
         false,
         false,
         true,
         {{Answer::NotNow}},
         Folder::Start,
         Folder::Remembered,
         1,
         {}},
        {"no samples installed",
         false,
         false,
         false,
         std::nullopt,
         false,
         {{Answer::CopySamples}, {Answer::NotNow}},
         Folder::Start,
         std::nullopt,
         2,
         {QStringLiteral("The sample catalogs were not found in %1.")}},
    };
    for (const Case& c : cases) {
        StartFolders tree(c.startHas, c.documentHas, c.remembered.value_or(false), c.samples);
        QSettings settings(tree.path[Folder::Start] + QStringLiteral("/../profile.conf"),
                           QSettings::IniFormat);
        if (c.remembered)
            settings.setValue(rememberedCatalogFolderKey(), tree.path[Folder::Remembered]);
        ScriptedQuestions questions;
        questions.folders = &tree.path;
        questions.script.assign(c.script.begin(), c.script.end());

        const QString chosen =
            chooseCatalogFolder(tree.sources(c.documentGiven), questions, settings);
        EXPECT_EQ(chosen, tree.path[c.expected]) << c.name;
        EXPECT_EQ(settings.value(rememberedCatalogFolderKey()).toString(),
                  c.stored ? tree.path[*c.stored] : QString())
            << c.name;
        EXPECT_EQ(questions.offers.size(), c.offers) << c.name;
        for (bool offered : questions.copyOffered)
            EXPECT_EQ(offered, c.samples) << c.name;
        ASSERT_EQ(questions.informed.size(), c.informed.size()) << c.name;
        for (std::size_t i = 0; i < c.informed.size(); ++i) {
            const QString named = c.samples ? tree.path[Folder::Empty] : tree.path[Folder::Samples];
            EXPECT_EQ(questions.informed[i], c.informed[i].arg(named)) << c.name;
        }
        // Once chosen, the next start without catalogs goes there without a word.
        if (c.stored && c.expected == *c.stored) {
            ScriptedQuestions again;
            EXPECT_EQ(chooseCatalogFolder(tree.sources(false), again, settings), chosen) << c.name;
            EXPECT_TRUE(again.offers.empty()) << c.name;
        }
    }
}

TEST(CatalogFolderChoice, TheOfferNamesTheFoldersAndTheWayOut) {
    StartFolders tree(false, false, false, true);
    QSettings settings(tree.path[Folder::Start] + QStringLiteral("/../profile.conf"),
                       QSettings::IniFormat);
    ScriptedQuestions questions;
    chooseCatalogFolder(tree.sources(false), questions, settings);
    ASSERT_EQ(questions.offers.size(), 1u);
    EXPECT_EQ(questions.offers[0],
              QStringLiteral("The folder %1 holds no catalog files.\n\nThe editor reads what "
                             "your controller offers (its timers, commands, macros and messages) "
                             "from catalog files such as timers.cfg and commands.cfg.  Choose "
                             "the folder that holds your controller's catalog files, or start "
                             "from a copy of the sample catalogs that come with the editor.")
                  .arg(tree.path[Folder::Start]));

    settings.setValue(rememberedCatalogFolderKey(), tree.path[Folder::Remembered]);
    CatalogFolderSources noSamples = tree.sources(false);
    noSamples.installedSamples.clear();
    ScriptedQuestions second;
    chooseCatalogFolder(noSamples, second, settings);
    ASSERT_EQ(second.offers.size(), 1u);
    EXPECT_TRUE(second.offers[0].startsWith(
        QStringLiteral("The folder %1 holds no catalog files, and neither does %2, the catalog "
                       "folder chosen before.")
            .arg(tree.path[Folder::Start], tree.path[Folder::Remembered])));
    EXPECT_TRUE(second.offers[0].endsWith(QStringLiteral("your controller's catalog files.")));
}

TEST(CatalogFolders, CopyingTheSamplesKeepsWhatTheUserHas) {
    TempDir root;
    const QString base = QString::fromStdString(root.path());
    const QString samples = base + QStringLiteral("/samples");
    const QString copy = base + QStringLiteral("/data/MERIX/catalogs");
    writeCatalogs(samples, QStringLiteral("installed\r\n"));
    QFile::setPermissions(samples + QStringLiteral("/misc.cfg"), QFileDevice::ReadOwner);
    writeCatalogs(copy, QStringLiteral("edited\r\n"));
    QFile::remove(copy + QStringLiteral("/misc.cfg"));
    QFile::remove(copy + QStringLiteral("/tones.cfg"));

    EXPECT_EQ(copyMissingCatalogs(samples, copy), QString());
    for (const QString& name : catalogFileNames()) {
        QFile file(copy + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const bool wasMissing =
            name == QStringLiteral("misc.cfg") || name == QStringLiteral("tones.cfg");
        EXPECT_EQ(file.readAll(), wasMissing ? "installed\r\n" : "edited\r\n")
            << name.toStdString();
        EXPECT_TRUE(file.permissions() & QFileDevice::WriteOwner) << name.toStdString();
    }

    EXPECT_EQ(copyMissingCatalogs(base + QStringLiteral("/nowhere"), copy),
              QStringLiteral("The sample catalogs were not found in %1/nowhere.").arg(base));
    QFile blocker(base + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_EQ(copyMissingCatalogs(samples, base + QStringLiteral("/file/catalogs")),
              QStringLiteral("Unable to create the folder %1/file/catalogs.").arg(base));
}

TEST(CatalogFolders, TheNamesAreTheSampleSetAndTheSamplesAreFoundBesideTheProgram) {
    QStringList shipped = QDir(QStringLiteral(MERIX_SAMPLE_CATALOGS))
                              .entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
    QStringList known = catalogFileNames();
    known.sort();
    EXPECT_EQ(known, shipped);

    EXPECT_EQ(installedSampleCatalogs(QStringLiteral("/usr/bin")),
              QStringLiteral("/usr/share/merix/catalogs"));
    // The build tree has the same layout, so the editor finds them there too.
    const QString built = installedSampleCatalogs(QStringLiteral(MERIX_EDITOR_FOLDER));
    EXPECT_EQ(QDir(built).entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name), shipped);
}

// The real message box: its buttons give the answers, Escape means not now.
TEST(CatalogFolderChoice, TheMessageBoxButtons) {
    struct Press {
        bool canCopy;
        QString button; // "" : Escape
        Answer expected;
    };
    const Press presses[] = {
        {true, QStringLiteral("Copy &Sample Catalogs"), Answer::CopySamples},
        {true, QStringLiteral("&Choose Folder..."), Answer::ChooseFolder},
        {true, QStringLiteral("&Not Now"), Answer::NotNow},
        {true, QString(), Answer::NotNow},
        {false, QString(), Answer::NotNow},
    };
    for (const Press& p : presses) {
        QStringList buttons;
        auto answer = test::whenModal<QMessageBox>([&](QMessageBox* box) {
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            if (p.button.isEmpty()) {
                box->reject();
                return;
            }
            for (QAbstractButton* b : box->buttons())
                if (b->text() == p.button)
                    b->click();
        });
        QtCatalogFolderQuestions questions;
        EXPECT_EQ(questions.offer(QStringLiteral("text"), p.canCopy), p.expected)
            << p.button.toStdString();
        EXPECT_EQ(buttons.contains(QStringLiteral("Copy &Sample Catalogs")), p.canCopy);
        EXPECT_TRUE(buttons.contains(QStringLiteral("&Choose Folder...")));
    }
}

} // namespace
} // namespace merix
