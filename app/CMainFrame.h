#pragma once

#include "screens/PointerOverMain.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QPrinter;

namespace merix {

class BusyIndicator;
class CVeskDoc;
class CVeskView;
class HelpWindow;
class Prompter;

// The main window: menus, toolbar, status bar and the main screen filling it.
class CMainFrame final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMainFrame)

  public:
    CMainFrame(CVeskDoc& doc, Prompter& prompter, BusyIndicator* busy);
    ~CMainFrame() override;

    CVeskView* view() const { return m_view; }
    const PointerOverMain& pointerOverMain() const { return m_pointer; }
    // The centre of the client area (below the menu bar, toolbar and status bar included),
    // in the coordinates of the given widget.
    QPoint clientCentreIn(const QWidget* widget) const;
    // Every command of the menus and the toolbar, by its menu text without '&'.
    QAction* command(const QString& name) const;

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void createCommands();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    QAction* addCommand(const QString& text, const QString& icon, const QString& statusTip,
                        const QList<QKeySequence>& keys = {});
    void showTitle(const std::string& title);

    void reviewCommandFile();
    void printConfigurationReport();
    void print();
    void printPreview();
    void printSetup();
    void showUploadHistory();
    void showHelp(const QString& page);
    void showAbout();
    QPrinter& printer();

    CVeskDoc& m_doc;
    Prompter& m_prompter;
    BusyIndicator* m_busy;
    PointerOverMain m_pointer;
    CVeskView* m_view;
    QToolBar* m_toolBar = nullptr;
    QPointer<HelpWindow> m_help;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace merix
