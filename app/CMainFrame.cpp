#include "app/CMainFrame.h"

#include "app/AboutBox.h"
#include "app/CVeskView.h"
#include "app/CommandFileReview.h"
#include "app/HelpWindow.h"
#include "app/LockIndicators.h"
#include "app/ReportPrinting.h"
#include "document/DocumentLifecycle.h"
#include "document/Prompter.h"
#include "screens/UploadHistoryWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

// The resources live in a static library: registered by hand, or the linker drops them.
static void initShellResources() {
    Q_INIT_RESOURCE(merix);
}

namespace merix {

namespace {

// Long enough to be read; the pane says "Ready" again afterwards.
constexpr int kStatusNoticeMs = 15000;

QString plain(QString text) {
    text.remove(QLatin1Char('&'));
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    return tab < 0 ? text : text.left(tab);
}

// Draws the main screen as it stands, scaled to the page.
void renderView(QWidget* view, QPrinter* printer) {
    QPainter painter(printer);
    const QRectF page = printer->pageRect(QPrinter::DevicePixel);
    const double scale = std::min(page.width() / view->width(), page.height() / view->height());
    painter.scale(scale, scale);
    view->render(&painter);
}

} // namespace

CMainFrame::CMainFrame(CVeskDoc& doc, Prompter& prompter, BusyIndicator* busy)
    : m_doc(doc), m_prompter(prompter), m_busy(busy),
      m_view(new CVeskView(doc, prompter, busy, m_pointer, this)) {
    initShellResources();
    setAttribute(Qt::WA_Hover);
    setWindowIcon(QIcon(QStringLiteral(":/icons/merix.png")));
    setCentralWidget(m_view);
    createCommands();
    createMenus();
    createToolBar();
    createStatusBar();
    m_view->setStatusSink([this](const std::string& text) {
        statusBar()->showMessage(QString::fromStdString(text), kStatusNoticeMs);
    });
    m_view->setCentreSource([this] { return clientCentreIn(m_view); });
    m_doc.setTitleListener([this](const std::string& title) { showTitle(title); });
    showTitle(m_doc.title());
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::showTitle(const std::string& title) {
    setWindowTitle(QString::fromStdString(title) + QStringLiteral(" - MERIX for Windows"));
}

QAction* CMainFrame::addCommand(const QString& text, const QString& icon, const QString& statusTip,
                                const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, this);
    action->setObjectName(plain(text));
    if (!icon.isEmpty())
        action->setIcon(QIcon::fromTheme(
            icon, QIcon(QStringLiteral(":/icons/") + icon + QStringLiteral(".png"))));
    action->setStatusTip(statusTip);
    action->setShortcuts(keys);
    addAction(action);
    return action;
}

QAction* CMainFrame::command(const QString& name) const {
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void CMainFrame::createCommands() {
    using K = QKeySequence;
    connect(addCommand(QStringLiteral("&New\tCtrl+N"), QStringLiteral("document-new"),
                       QStringLiteral("Create a new document"), {K(Qt::CTRL | Qt::Key_N)}),
            &QAction::triggered, this, [this] { m_doc.newDocument(); });
    connect(addCommand(QStringLiteral("&Open...\tCtrl+O"), QStringLiteral("document-open"),
                       QStringLiteral("Open an existing document"), {K(Qt::CTRL | Qt::Key_O)}),
            &QAction::triggered, this, [this] { m_doc.openDocument(); });
    connect(addCommand(QStringLiteral("&Save\tCtrl+S"), QStringLiteral("document-save"),
                       QStringLiteral("Save the active document"), {K(Qt::CTRL | Qt::Key_S)}),
            &QAction::triggered, this, [this] { m_doc.save(); });
    connect(addCommand(QStringLiteral("Save &As..."), QString(),
                       QStringLiteral("Save the active document with a new name")),
            &QAction::triggered, this, [this] { m_doc.saveAs(); });
    connect(addCommand(QStringLiteral("Review &Command File..."), QString(),
                       QStringLiteral("Show what the next upload sends, line by line, in words")),
            &QAction::triggered, this, &CMainFrame::reviewCommandFile);
    connect(addCommand(QStringLiteral("&Upload History..."), QString(),
                       QStringLiteral("Show every upload of this document, and what it sent")),
            &QAction::triggered, this, &CMainFrame::showUploadHistory);
    connect(addCommand(QStringLiteral("Print Con&figuration Report..."), QString(),
                       QStringLiteral("Print the whole configuration, or save it as PDF")),
            &QAction::triggered, this, &CMainFrame::printConfigurationReport);
    connect(addCommand(QStringLiteral("&Print...\tCtrl+P"), QStringLiteral("document-print"),
                       QStringLiteral("Print the active document"), {K(Qt::CTRL | Qt::Key_P)}),
            &QAction::triggered, this, &CMainFrame::print);
    connect(addCommand(QStringLiteral("Print Pre&view"), QString(),
                       QStringLiteral("Display full pages")),
            &QAction::triggered, this, &CMainFrame::printPreview);
    connect(addCommand(QStringLiteral("P&rint Setup..."), QString(),
                       QStringLiteral("Change the printer and printing options")),
            &QAction::triggered, this, &CMainFrame::printSetup);
    connect(addCommand(QStringLiteral("E&xit"), QString(),
                       QStringLiteral("Quit the application; prompts to save documents")),
            &QAction::triggered, this, &QWidget::close);

    // The editing commands have no handler: shown, and disabled.
    const struct {
        const char* text;
        const char* icon;
        const char* tip;
        QList<QKeySequence> keys;
    } edits[] = {
        {"&Undo\tCtrl+Z",
         "",
         "Undo the last action",
         {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)}},
        {"Cu&t\tCtrl+X",
         "edit-cut",
         "Cut the selection and put it on the Clipboard",
         {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)}},
        {"&Copy\tCtrl+C",
         "edit-copy",
         "Copy the selection and put it on the Clipboard",
         {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)}},
        {"&Paste\tCtrl+V",
         "edit-paste",
         "Insert Clipboard contents",
         {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)}},
    };
    for (const auto& e : edits)
        addCommand(QString::fromUtf8(e.text), QString::fromUtf8(e.icon), QString::fromUtf8(e.tip),
                   e.keys)
            ->setEnabled(false);

    QAction* toolBar = addCommand(QStringLiteral("&Toolbar"), QString(),
                                  QStringLiteral("Show or hide the toolbar"));
    QAction* statusBar = addCommand(QStringLiteral("&Status Bar"), QString(),
                                    QStringLiteral("Show or hide the status bar"));
    for (QAction* a : {toolBar, statusBar}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(toolBar, &QAction::toggled, this, [this](bool on) { m_toolBar->setVisible(on); });
    connect(statusBar, &QAction::toggled, this,
            [this](bool on) { this->statusBar()->setVisible(on); });

    connect(addCommand(QStringLiteral("&Index"), QString(), QStringLiteral("List Help topics"),
                       {K(Qt::Key_F1)}),
            &QAction::triggered, this, [this] { showHelp(QStringLiteral("index.html")); });
    connect(addCommand(QStringLiteral("&Using Help"), QString(),
                       QStringLiteral("Display instructions about how to use help")),
            &QAction::triggered, this, [this] { showHelp(QStringLiteral("using-help.html")); });
    connect(addCommand(QStringLiteral("&About MERIX..."), QStringLiteral("help-about"),
                       QStringLiteral("Display program information, version number and copyright")),
            &QAction::triggered, this, &CMainFrame::showAbout);

    QAction* whatsThis = QWhatsThis::createAction(this);
    whatsThis->setObjectName(QStringLiteral("Context Help"));
    whatsThis->setShortcut(K(Qt::SHIFT | Qt::Key_F1));
    whatsThis->setStatusTip(
        QStringLiteral("Display help for clicked on buttons, menus and windows"));
    whatsThis->setIcon(QIcon::fromTheme(QStringLiteral("help-contextual"),
                                        QIcon(QStringLiteral(":/icons/help-contextual.png"))));
    addAction(whatsThis);
    // Next and previous pane: this window has a single pane, so they do nothing.
    addCommand(QStringLiteral("Next Pane"), QString(), QString(), {K(Qt::Key_F6)});
    addCommand(QStringLiteral("Prev Pane"), QString(), QString(), {K(Qt::SHIFT | Qt::Key_F6)});
}

void CMainFrame::createMenus() {
    auto add = [this](QMenu* menu, const char* name) {
        menu->addAction(command(QString::fromUtf8(name)));
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    for (const char* n : {"New", "Open...", "Save", "Save As..."})
        add(file, n);
    file->addSeparator();
    add(file, "Review Command File...");
    add(file, "Upload History...");
    file->addSeparator();
    for (const char* n :
         {"Print...", "Print Preview", "Print Setup...", "Print Configuration Report..."})
        add(file, n);
    file->addSeparator();
    add(file, "Exit");
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    add(edit, "Undo");
    edit->addSeparator();
    for (const char* n : {"Cut", "Copy", "Paste"})
        add(edit, n);
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    add(view, "Toolbar");
    add(view, "Status Bar");
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    add(help, "Index");
    add(help, "Using Help");
    help->addSeparator();
    add(help, "About MERIX...");
}

void CMainFrame::createToolBar() {
    m_toolBar = addToolBar(QStringLiteral("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("Toolbar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->toggleViewAction()->setVisible(false);
    for (const char* n : {"New", "Open...", "Save", "", "Cut", "Copy", "Paste", "", "Print...",
                          "About MERIX...", "Context Help"}) {
        if (*n)
            m_toolBar->addAction(command(QString::fromUtf8(n)));
        else
            m_toolBar->addSeparator();
    }
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    new LockIndicators(bar);
    // The message pane says "Ready" whenever no command is being described.
    connect(bar, &QStatusBar::messageChanged, bar, [bar](const QString& text) {
        if (text.isEmpty())
            bar->showMessage(QStringLiteral("Ready"));
    });
    bar->showMessage(QStringLiteral("Ready"));
}

QPoint CMainFrame::clientCentreIn(const QWidget* widget) const {
    const int top = menuBar()->isVisible() ? menuBar()->geometry().bottom() + 1 : 0;
    const QRect client(0, top, width(), height() - top);
    return widget->mapFrom(this, client.center());
}

bool CMainFrame::event(QEvent* e) {
    if (e->type() == QEvent::HoverMove || e->type() == QEvent::HoverEnter)
        m_pointer.set(true);
    return QMainWindow::event(e);
}

void CMainFrame::closeEvent(QCloseEvent* e) {
    if (!m_doc.confirmExit()) {
        e->ignore();
        return;
    }
    if (m_help)
        m_help->close();
    e->accept();
}

QPrinter& CMainFrame::printer() {
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void CMainFrame::reviewCommandFile() {
    runCommandFileReview(m_doc.document(), m_prompter, m_busy, this);
}

void CMainFrame::printConfigurationReport() {
    ReportPrinting(m_prompter, m_busy).run(m_doc.document(), printer(), this);
}

void CMainFrame::print() {
    QPrintDialog dialog(&printer(), this);
    if (dialog.exec() == QDialog::Accepted)
        renderView(m_view, &printer());
}

void CMainFrame::printPreview() {
    QPrintPreviewDialog dialog(&printer(), this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* p) { renderView(m_view, p); });
    dialog.exec();
}

void CMainFrame::printSetup() {
    QPageSetupDialog dialog(&printer(), this);
    dialog.exec();
}

void CMainFrame::showUploadHistory() {
    if (!m_doc.document().isDocumentOpen()) {
        m_prompter.inform("Open or create a new file before looking at its upload history.");
        return;
    }
    UploadHistoryWindow history(
        m_doc.document(), m_prompter,
        [this](const std::string& state) { return m_doc.openAsNewDocument(state); }, this);
    history.exec();
}

void CMainFrame::showHelp(const QString& page) {
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->showPage(page);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void CMainFrame::showAbout() {
    AboutBox box(this);
    box.exec();
}

} // namespace merix
