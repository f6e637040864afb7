#include "screens/ReviewWindow.h"

#include "document/Prompter.h"
#include "screens/Captions.h"
#include "screens/QtText.h"
#include "screens/UploadSession.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace merix {

namespace {

// Lines the generator did not write go with the section of the line before them.
constexpr std::string_view kOtherLines = "Other lines";

ReviewWindow::SaveChooser fileDialogChooser(QWidget* parent) {
    return [parent](const std::string& suggested) -> std::optional<std::string> {
        const QString name = QFileDialog::getSaveFileName(
            parent, QStringLiteral("Save Explained Command File"), toQString(suggested),
            QStringLiteral("Text files (*.txt);;All files (*)"));
        if (name.isEmpty())
            return std::nullopt;
        return toStdString(name);
    };
}

QString lineCount(int n) {
    return n == 1 ? QStringLiteral("1 line") : QStringLiteral("%1 lines").arg(n);
}

} // namespace

ReviewWindow::ReviewWindow(ReviewContent content, Prompter& prompter, QWidget* parent,
                           SaveChooser chooseSaveFile)
    : QDialog(parent), m_content(std::move(content)), m_prompter(prompter),
      m_chooseSaveFile(chooseSaveFile ? std::move(chooseSaveFile) : fileDialogChooser(this)) {
    setWindowTitle(QStringLiteral("Review Command File"));
    buildControls();
    fillTree();
    resize(1100, 640);
}

void ReviewWindow::buildControls() {
    m_summary = new QLabel(toQString(m_content.summary), this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_notice = new QLabel(toQString(m_content.notice), this);
    m_notice->setWordWrap(true);
    m_notice->setVisible(!m_content.notice.empty());

    auto* searchLabel = new QLabel(QStringLiteral("&Search:"), this);
    m_search = new QLineEdit(this);
    m_search->setClearButtonEnabled(true);
    labelControl(searchLabel, m_search);

    auto* linesLabel = new QLabel(QStringLiteral("&Lines to send:"), this);
    m_tree = new QTreeWidget(this);
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels({QStringLiteral("Command line"), QStringLiteral("What it sets")});
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_tree->setFont(QFont(QStringLiteral("monospace")));
    labelControl(linesLabel, m_tree);

    m_copy = new QPushButton(QStringLiteral("&Copy"), this);
    m_saveAs = new QPushButton(QStringLiteral("Save &As..."), this);
    m_close = new QPushButton(QStringLiteral("C&lose"), this);
    for (QPushButton* b : {m_copy, m_saveAs, m_close})
        b->setAutoDefault(false);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_copy);
    buttons->addWidget(m_saveAs);
    buttons->addStretch();
    buttons->addWidget(m_close);
    auto* all = new QVBoxLayout(this);
    all->addWidget(m_summary);
    all->addWidget(m_notice);
    all->addLayout(searchRow);
    all->addWidget(linesLabel);
    all->addWidget(m_tree, 1);
    all->addLayout(buttons);

    connect(m_search, &QLineEdit::textChanged, this, &ReviewWindow::onSearchChanged);
    connect(m_copy, &QPushButton::clicked, this, &ReviewWindow::onCopy);
    connect(m_saveAs, &QPushButton::clicked, this, &ReviewWindow::onSaveAs);
    connect(m_close, &QPushButton::clicked, this, &ReviewWindow::accept);
}

// One group per section in the order the file first names it; a command line without an
// explanation is "unknown" in the group of the line before it.
void ReviewWindow::fillTree() {
    QTreeWidgetItem* group = nullptr;
    std::string groupName;
    const auto groupFor = [&](const std::string& section) {
        if (group && section == groupName)
            return group;
        const QList<QTreeWidgetItem*> found =
            m_tree->findItems(toQString(section), Qt::MatchExactly, 0);
        group = found.isEmpty() ? new QTreeWidgetItem(m_tree, {toQString(section)}) : found.front();
        groupName = section;
        return group;
    };
    for (const ExplainedLine& line : m_content.file.lines) {
        if (!line.isCommand())
            continue;
        const std::string section = line.explanation
                                        ? line.explanation->section
                                        : (group ? groupName : std::string(kOtherLines));
        auto* item = new QTreeWidgetItem(
            groupFor(section),
            {toQString(line.text),
             line.explanation ? toQString(line.explanation->detail()) : QStringLiteral("unknown")});
        item->setToolTip(1, item->text(1)); // a long explanation is cut at the window's edge
        if (!line.explanation)
            item->setForeground(1, QBrush(Qt::darkRed));
    }
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* g = m_tree->topLevelItem(i);
        g->setText(1, lineCount(g->childCount()));
        QFont bold = g->font(0);
        bold.setBold(true);
        g->setFont(0, bold);
    }
    m_tree->expandAll();
}

void ReviewWindow::onSearchChanged(const QString& text) {
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* g = m_tree->topLevelItem(i);
        int shown = 0;
        for (int k = 0; k < g->childCount(); ++k) {
            QTreeWidgetItem* item = g->child(k);
            const bool match = text.isEmpty() ||
                               item->text(0).contains(text, Qt::CaseInsensitive) ||
                               item->text(1).contains(text, Qt::CaseInsensitive) ||
                               g->text(0).contains(text, Qt::CaseInsensitive);
            item->setHidden(!match);
            shown += match ? 1 : 0;
        }
        g->setHidden(shown == 0);
    }
}

QString ReviewWindow::explainedText() const {
    return toQString(merix::explainedText(m_content.file));
}

void ReviewWindow::onCopy() {
    QApplication::clipboard()->setText(explainedText());
}

void ReviewWindow::onSaveAs() {
    const std::optional<std::string> path = m_chooseSaveFile(m_content.suggestedName);
    if (!path)
        return;
    QSaveFile file(toQString(*path));
    const QByteArray bytes = explainedText().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        m_prompter.inform("Unable to write " + *path + ": " + toStdString(file.errorString()) +
                          ".");
}

void reviewUploadSession(UploadSession& session, QWidget* parent) {
    ReviewContent content;
    {
        BusyGuard busy(session.busy);
        // Without a command file (a regeneration failed) the review shows what would be made.
        content = session.commandFile.empty()
                      ? reviewOfUpload(session.doc, session.settings)
                      : reviewOfCommandFile(session.doc, session.settings, session.commandFile);
    }
    ReviewWindow window(std::move(content), session.prompter, parent);
    window.exec();
}

} // namespace merix
