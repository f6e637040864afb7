#include "app/CatalogFolderChoice.h"

#include "app/CatalogFolders.h"

#include <QDir>
#include <QSettings>

namespace merix {

namespace {

QString offerText(const CatalogFolderSources& sources, const QString& remembered,
                  bool canCopySamples) {
    QString text = QStringLiteral("The folder %1 holds no catalog files")
                       .arg(QDir::toNativeSeparators(sources.startupFolder));
    if (!remembered.isEmpty())
        text += QStringLiteral(", and neither does %1, the catalog folder chosen before")
                    .arg(QDir::toNativeSeparators(remembered));
    text += QStringLiteral(".\n\nThe editor reads what your controller offers (its timers, "
                           "commands, macros and messages) from catalog files such as "
                           "timers.cfg and commands.cfg.  Choose the folder that holds your "
                           "controller's catalog files");
    text += canCopySamples
                ? QStringLiteral(", or start from a copy of the sample catalogs that come with "
                                 "the editor.")
                : QStringLiteral(".");
    return text;
}

// The folder the user picked, once it holds catalogs; nullopt to ask again.
std::optional<QString> pickedFolder(const CatalogFolderSources& sources,
                                    CatalogFolderQuestions& questions) {
    const auto picked = questions.chooseFolder(sources.startupFolder);
    if (!picked)
        return std::nullopt;
    if (!holdsCatalogs(*picked)) {
        questions.inform(QStringLiteral("The folder %1 holds no catalog files.")
                             .arg(QDir::toNativeSeparators(*picked)));
        return std::nullopt;
    }
    return QDir(*picked).absolutePath();
}

std::optional<QString> copiedSamples(const CatalogFolderSources& sources,
                                     CatalogFolderQuestions& questions) {
    const QString problem = copyMissingCatalogs(sources.installedSamples, sources.userCopy);
    if (!problem.isEmpty()) {
        questions.inform(problem);
        return std::nullopt;
    }
    return sources.userCopy;
}

} // namespace

QString rememberedCatalogFolderKey() {
    return QStringLiteral("Catalogs/Folder");
}

QString chooseCatalogFolder(const CatalogFolderSources& sources, CatalogFolderQuestions& questions,
                            QSettings& settings) {
    if (holdsCatalogs(sources.startupFolder))
        return sources.startupFolder;
    if (holdsCatalogs(sources.documentFolder))
        return sources.documentFolder;
    const QString remembered = settings.value(rememberedCatalogFolderKey()).toString();
    if (holdsCatalogs(remembered))
        return remembered;

    const bool canCopySamples = holdsCatalogs(sources.installedSamples);
    const QString text = offerText(sources, remembered, canCopySamples);
    for (;;) {
        std::optional<QString> folder;
        switch (questions.offer(text, canCopySamples)) {
        case CatalogFolderQuestions::Answer::ChooseFolder:
            folder = pickedFolder(sources, questions);
            break;
        case CatalogFolderQuestions::Answer::CopySamples:
            folder = copiedSamples(sources, questions);
            break;
        case CatalogFolderQuestions::Answer::NotNow:
            return sources.startupFolder;
        }
        if (folder) {
            settings.setValue(rememberedCatalogFolderKey(), *folder);
            settings.sync();
            return *folder;
        }
    }
}

} // namespace merix
