#include "screens/UploadFileScreen.h"

#include "link/SideFileTemplates.h"
#include "screens/TextEditorLauncher.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace merix {

UploadFileScreen::UploadFileScreen(FixedText<kPathCapacity>& otherUploadFile, Prompter& prompter,
                                   TextEditorLauncher& editor, QWidget* parent)
    : QDialog(parent), m_otherUploadFile(otherUploadFile) {
    setWindowTitle(QStringLiteral("Upload File"));
    setModal(true);

    auto* label = new QLabel(QStringLiteral("&Upload Filename:"), this);
    m_file = new QLineEdit(this);
    m_file->setMaxLength(static_cast<int>(FixedText<kPathCapacity>::capacity));
    m_file->setMinimumWidth(360);
    m_file->setText(QString::fromStdString(otherUploadFile.str()));
    label->setBuddy(m_file);
    m_edit = new QPushButton(QStringLiteral("&Edit File"), this);
    m_edit->setAutoDefault(false);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setDefault(true);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(m_edit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_ok);
    auto* all = new QVBoxLayout(this);
    all->addWidget(label);
    all->addLayout(fileRow);
    all->addLayout(buttons);

    connect(m_file, &QLineEdit::textChanged, this,
            [this](const QString& t) { m_otherUploadFile = t.toStdString(); });
    connect(m_edit, &QPushButton::clicked, this, [this, &prompter, &editor] {
        editCommandFile(m_otherUploadFile.str(), otherUploadFileTemplate(), prompter, editor);
    });
    connect(m_cancel, &QPushButton::clicked, this, &UploadFileScreen::reject);
    connect(m_ok, &QPushButton::clicked, this, &UploadFileScreen::accept);
}

void UploadFileScreen::reject() {
    m_otherUploadFile.clear();
    QDialog::reject();
}

} // namespace merix
