#pragma once

#include "document/ConfigDocument.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>

class QPushButton;

namespace merix {

class BusyIndicator;
class CVeskDoc;
class EditingScreen;
class PointerOverMain;
class Prompter;

// The main screen: the title, ten buttons around the centre of the main window, and one
// slot per editing screen whose window lives from its button press to its closing report.
class CVeskView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CVeskView)

  public:
    CVeskView(CVeskDoc& doc, Prompter& prompter, BusyIndicator* busy, PointerOverMain& pointer,
              QWidget* parent);

    // Where screens put the lines meant for the status bar.
    void setStatusSink(std::function<void(const std::string&)> sink) { m_status = std::move(sink); }

    void setSplashMilliseconds(int ms) { m_splashMs = ms; }
    // Where the layout centres, asked once at the first paint (the main window's client area).
    void setCentreSource(std::function<QPoint()> source) { m_centreSource = std::move(source); }

    bool firstPaintDone() const { return m_firstPaintCount > 0 && !m_buttons.empty(); }
    QPoint layoutCentre() const { return m_centre; }
    // By the identifier of the main screen's layout (1001 Timers ... 1178 Upload Command File).
    QPushButton* button(int id) const;
    EditingScreen* openScreen(ScreenId screen) const;

  Q_SIGNALS:
    void firstPaintFinished();

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    void runFirstPaint();
    void showSplash();
    void createButtons();
    void onScreenButton(ScreenId screen);
    void onUploadButton();
    void onScreenClosed(ScreenId screen, bool ok);

    CVeskDoc& m_doc;
    Prompter& m_prompter;
    BusyIndicator* m_busy;
    PointerOverMain& m_pointer;
    std::function<void(const std::string&)> m_status;
    int m_splashMs = 2000;
    std::function<QPoint()> m_centreSource;
    int m_firstPaintCount = 0;
    QPoint m_centre;
    std::map<int, QPushButton*> m_buttons;
    std::map<ScreenId, QPointer<EditingScreen>> m_windows;
};

} // namespace merix
