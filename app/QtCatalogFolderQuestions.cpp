#include "app/QtCatalogFolderQuestions.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace merix {

namespace {

const QString kBoxTitle = QStringLiteral("MERIX");

} // namespace

CatalogFolderQuestions::Answer QtCatalogFolderQuestions::offer(const QString& text,
                                                               bool canCopySamples) {
    QMessageBox box(QMessageBox::Information, kBoxTitle, text);
    box.setObjectName(QStringLiteral("catalogFolderOffer"));
    QPushButton* choose =
        box.addButton(QStringLiteral("&Choose Folder..."), QMessageBox::AcceptRole);
    QPushButton* copy = nullptr;
    if (canCopySamples)
        copy = box.addButton(QStringLiteral("Copy &Sample Catalogs"), QMessageBox::AcceptRole);
    QPushButton* notNow = box.addButton(QStringLiteral("&Not Now"), QMessageBox::RejectRole);
    box.setDefaultButton(copy ? copy : choose);
    box.setEscapeButton(notNow);
    box.exec();
    if (box.clickedButton() == choose)
        return Answer::ChooseFolder;
    if (copy && box.clickedButton() == copy)
        return Answer::CopySamples;
    return Answer::NotNow;
}

std::optional<QString> QtCatalogFolderQuestions::chooseFolder(const QString& startIn) {
    const QString folder = QFileDialog::getExistingDirectory(
        nullptr, QStringLiteral("Choose the Catalog Folder"), startIn);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

void QtCatalogFolderQuestions::inform(const QString& text) {
    QMessageBox::warning(nullptr, kBoxTitle, text, QMessageBox::Ok);
}

} // namespace merix
