#include "screens/UploadHistoryWindow.h"

#include "document/AtomicFile.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/Prompter.h"
#include "generator/CommandFileGenerator.h"
#include "screens/TextViewer.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace merix {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString optionText(UploadOption option) {
    switch (option) {
    case UploadOption::ChangesSinceLastUpload:
        return QStringLiteral("Changes since last upload");
    case UploadOption::ChangesSinceInitialization:
        return QStringLiteral("Changes since initialization");
    case UploadOption::Everything:
        break;
    }
    return QStringLiteral("Everything");
}

QStringList columns(const HistoryEntry& e) {
    QString when = text(e.time);
    when.replace(QLatin1Char('T'), QLatin1Char(' '));
    const QString port = e.endpoint.empty()
                             ? text(e.port)
                             : QStringLiteral("%1 (%2)").arg(text(e.port), text(e.endpoint));
    return {when,
            QString::fromLatin1(uploadResultWord(e.result)),
            QStringLiteral("%1 of %2").arg(e.linesSent).arg(e.linesTotal),
            optionText(e.option),
            port,
            text(e.baudRate)};
}

} // namespace

UploadHistoryWindow::UploadHistoryWindow(const ConfigDocument& doc, Prompter& prompter,
                                         OpenAsNew openAsNew, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_prompter(prompter), m_openAsNew(std::move(openAsNew)) {
    setWindowTitle(QStringLiteral("Upload History"));
    setModal(true);
    auto* label = new QLabel(QStringLiteral("&Uploads of this document, oldest first:"), this);
    m_list = new QTreeWidget(this);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({QStringLiteral("Time"), QStringLiteral("Result"),
                             QStringLiteral("Lines"), QStringLiteral("Option"),
                             QStringLiteral("Port"), QStringLiteral("Baud")});
    m_list->setMinimumSize(720, 260);
    label->setBuddy(m_list);
    m_reason = new QLabel(this);
    m_reason->setWordWrap(true);
    m_reason->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* all = new QVBoxLayout(this);
    all->addWidget(label);
    all->addWidget(m_list, 1);
    all->addWidget(m_reason);
    all->addLayout(buildButtons());

    if (!doc.documentPath().empty())
        m_entries = readUploadHistory(doc.documentPath());
    fillList();
    connect(m_list, &QTreeWidget::currentItemChanged, this,
            &UploadHistoryWindow::onSelectionChanged);
    if (!m_entries.empty())
        m_list->setCurrentItem(m_list->topLevelItem(static_cast<int>(m_entries.size()) - 1));
    onSelectionChanged();
}

QLayout* UploadHistoryWindow::buildButtons() {
    m_viewCommand = new QPushButton(QStringLiteral("View &Command File"), this);
    m_viewTranscript = new QPushButton(QStringLiteral("View &Transcript"), this);
    m_compare = new QPushButton(QStringLiteral("Co&mpare with Current Document"), this);
    m_compare->setToolTip(QStringLiteral(
        "The command file that would bring the controller from this upload to the document now"));
    m_open = new QPushButton(QStringLiteral("&Open as New Document"), this);
    m_open->setVisible(static_cast<bool>(m_openAsNew));
    m_close = new QPushButton(QStringLiteral("C&lose"), this);
    m_close->setDefault(true);

    auto* row = new QHBoxLayout;
    for (QPushButton* b : {m_viewCommand, m_viewTranscript, m_compare, m_open})
        row->addWidget(b);
    row->addStretch();
    row->addWidget(m_close);

    connect(m_viewCommand, &QPushButton::clicked, this, [this] {
        if (const HistoryEntry* e = selected())
            view(QStringLiteral("Command File Sent"), e->commandFile(),
                 "The command file of this upload was not kept.");
    });
    connect(m_viewTranscript, &QPushButton::clicked, this, [this] {
        if (const HistoryEntry* e = selected())
            view(QStringLiteral("Transcript"), e->transcript,
                 "There is no transcript of this upload.");
    });
    connect(m_compare, &QPushButton::clicked, this, &UploadHistoryWindow::onCompare);
    connect(m_open, &QPushButton::clicked, this, &UploadHistoryWindow::onOpenAsNew);
    connect(m_close, &QPushButton::clicked, this, &UploadHistoryWindow::accept);
    return row;
}

void UploadHistoryWindow::fillList() {
    for (const HistoryEntry& e : m_entries)
        m_list->addTopLevelItem(new QTreeWidgetItem(columns(e)));
    for (int c = 0; c < m_list->columnCount(); ++c)
        m_list->resizeColumnToContents(c);
}

const HistoryEntry* UploadHistoryWindow::selected() const {
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row < 0 || row >= static_cast<int>(m_entries.size()))
        return nullptr;
    return &m_entries[static_cast<std::size_t>(row)];
}

void UploadHistoryWindow::onSelectionChanged() {
    const HistoryEntry* e = selected();
    for (QPushButton* b : {m_viewCommand, m_viewTranscript, m_compare, m_open})
        b->setEnabled(e != nullptr);
    if (m_entries.empty())
        m_reason->setText(QStringLiteral("This document has not been uploaded yet."));
    else if (e && !e->reason.empty())
        m_reason->setText(text(e->reason));
    else
        m_reason->clear();
}

void UploadHistoryWindow::view(const QString& caption, const std::string& path,
                               const char* missing) {
    const std::optional<QString> content = readTextFile(path);
    if (!content) {
        m_prompter.inform(missing);
        return;
    }
    TextViewer viewer(caption + QStringLiteral(" - ") + m_list->currentItem()->text(0), *content,
                      this);
    viewer.exec();
}

// The document as it is in memory, against the document as that upload sent it: written
// aside, so neither the document's own file nor its command file changes.
void UploadHistoryWindow::onCompare() {
    const HistoryEntry* e = selected();
    QTemporaryDir scratch;
    if (!e || !scratch.isValid())
        return;
    const std::string document = scratch.filePath(QStringLiteral("current.mrx")).toStdString();
    const std::string output = scratch.filePath(QStringLiteral("changes.CMD")).toStdString();
    if (const std::string error = writeFileAtomically(document, documentText(m_doc));
        !error.empty()) {
        m_prompter.inform(error);
        return;
    }
    const CommandFileResult result =
        generateChangesAgainst(m_doc, document, e->documentFile(), output, m_prompter);
    if (!result.produced())
        return;
    view(QStringLiteral("Changes Since the Upload"), result.path,
         "Error in generating the command file.");
}

void UploadHistoryWindow::onOpenAsNew() {
    const HistoryEntry* e = selected();
    if (e && m_openAsNew && m_openAsNew(e->documentFile()))
        accept();
}

} // namespace merix
