#pragma once

#include <QString>

#include <optional>

class QSettings;

namespace merix {

// The folders the editor may read its catalogs from when it starts.
struct CatalogFolderSources {
    QString startupFolder;    // the current folder at start
    QString documentFolder;   // the folder of the document named at start; empty without one
    QString installedSamples; // the sample set installed with the program
    QString userCopy;         // where the user's copy of the sample set goes
};

// What the editor asks when no folder at hand holds catalogs. Tests answer with a script.
class CatalogFolderQuestions {
  public:
    enum class Answer { ChooseFolder, CopySamples, NotNow };
    virtual ~CatalogFolderQuestions() = default;
    // The offer to choose a folder or to copy the samples (when canCopySamples).
    virtual Answer offer(const QString& text, bool canCopySamples) = 0;
    // A folder dialog; nullopt when cancelled.
    virtual std::optional<QString> chooseFolder(const QString& startIn) = 0;
    virtual void inform(const QString& text) = 0;
};

// The settings key that remembers the chosen folder.
QString rememberedCatalogFolderKey();

// The folder whose catalogs the editor reads: the startup folder when it holds catalogs (so
// starting from a catalog folder works as it always has), else the document's folder when it
// holds them, else the folder remembered from an earlier start; else the user is asked once
// and a folder chosen or a fresh copy of the samples is remembered. "Not now" gives the
// startup folder.
QString chooseCatalogFolder(const CatalogFolderSources& sources, CatalogFolderQuestions& questions,
                            QSettings& settings);

} // namespace merix
