#include "app/CVeskView.h"

#include "app/Navigation.h"
#include "app/ScreenFactory.h"
#include "app/SplashPanel.h"
#include "app/UploadCommand.h"
#include "document/DocumentLifecycle.h"
#include "document/Prompter.h"
#include "screens/EditingScreen.h"

#include <QEventLoop>
#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <optional>

namespace merix {

namespace {

struct ButtonSpec {
    const char* text;
    int id;
    int left, top, right, bottom;   // relative to the centre; right and bottom exclusive
    std::optional<ScreenId> screen; // none: Upload Command File
};

const ButtonSpec kButtons[] = {
    {"&Timers", 1001, -224, -155, -24, -125, ScreenId::Timers},
    {"&Messages", 1002, 15, -155, 215, -125, ScreenId::Messages},
    {"&Users", 1003, -224, -95, -24, -65, ScreenId::Users},
    {"Analog &Inputs", 1004, 15, -95, 215, -65, ScreenId::InputsOutputs},
    {"&Commands", 1005, -224, -35, -24, -5, ScreenId::Commands},
    {"M&acros", 1007, 15, -35, 215, -5, ScreenId::Macros},
    {"&Scheduler", 1006, -224, 25, -24, 55, ScreenId::Scheduler},
    {"T&ones", 1008, 15, 25, 215, 55, ScreenId::Tones},
    {"Misc S&etup", 1179, -224, 85, -24, 115, ScreenId::MiscSetup},
    {"U&pload Command File", 1178, 15, 85, 215, 115, std::nullopt},
};

const QColor kDialogGrey(192, 192, 192);
const QColor kRectangleGrey(128, 128, 128);

} // namespace

CVeskView::CVeskView(CVeskDoc& doc, Prompter& prompter, BusyIndicator* busy,
                     PointerOverMain& pointer, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_prompter(prompter), m_busy(busy), m_pointer(pointer) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kDialogGrey);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
}

QPushButton* CVeskView::button(int id) const {
    const auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

EditingScreen* CVeskView::openScreen(ScreenId screen) const {
    const auto it = m_windows.find(screen);
    return it == m_windows.end() ? nullptr : it->second.data();
}

void CVeskView::paintEvent(QPaintEvent*) {
    if (m_firstPaintCount == 0) {
        // The first-paint work blocks and opens a dialog: never inside a paint.
        ++m_firstPaintCount;
        m_centre = m_centreSource ? m_centreSource() : rect().center();
        QTimer::singleShot(0, this, &CVeskView::runFirstPaint);
    }
    if (m_buttons.empty())
        return;
    QPainter painter(this);
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(20);
    title.setWeight(QFont::Normal);
    painter.setFont(title);
    painter.setPen(Qt::black);
    const QPoint origin = m_centre + QPoint(-54, -205);
    painter.drawText(QRect(origin, QSize(400, 40)), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Main Menu"));
}

void CVeskView::runFirstPaint() {
    {
        BusyGuard busy(m_busy);
        showSplash();
    }
    Q_EMIT firstPaintFinished();
    m_doc.openAtStart();
}

void CVeskView::showSplash() {
    SplashPanel splash(window());
    splash.move(mapToGlobal(m_centre + QPoint(-180, -70)));
    if (m_splashMs > 0) {
        splash.show();
        // Painted, but the user's input waits until the panel has gone.
        QEventLoop wait;
        QTimer::singleShot(m_splashMs, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    createButtons();
    update();
    splash.close();
}

void CVeskView::createButtons() {
    auto* rectangle = new QFrame(this);
    rectangle->setObjectName(QStringLiteral("1016"));
    rectangle->setAutoFillBackground(true);
    QPalette pal = rectangle->palette();
    pal.setColor(QPalette::Window, kRectangleGrey);
    rectangle->setPalette(pal);
    rectangle->setGeometry(QRect(m_centre + QPoint(-254, -178), m_centre + QPoint(241, 139)));
    rectangle->show();

    for (const ButtonSpec& button : kButtons) {
        auto* b = new QPushButton(QString::fromUtf8(button.text), this);
        b->setObjectName(QString::number(button.id));
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoDefault(false);
        b->setGeometry(QRect(m_centre + QPoint(button.left, button.top),
                             m_centre + QPoint(button.right - 1, button.bottom - 1)));
        if (button.screen) {
            const ScreenId screen = *button.screen;
            b->setWhatsThis(QStringLiteral("Opens the %1 screen in a window of its own. You can "
                                           "keep several screens open at once.")
                                .arg(QString::fromStdString(screenName(screen))));
            connect(b, &QPushButton::clicked, this, [this, screen] { onScreenButton(screen); });
        } else {
            b->setWhatsThis(QStringLiteral("Saves the document and writes the command file that "
                                           "brings the controller up to date."));
            connect(b, &QPushButton::clicked, this, &CVeskView::onUploadButton);
        }
        b->show();
        m_buttons[button.id] = b;
    }
}

void CVeskView::onScreenButton(ScreenId screen) {
    if (const auto refusal = refusalToOpen(screen, m_doc.document())) {
        m_prompter.inform(*refusal);
        return;
    }
    if (openScreen(screen))
        return; // left where it is, not even brought forward
    const ScreenContext context{m_doc.document(), m_prompter, m_busy, m_pointer, m_status};
    EditingScreen* window = createScreen(screen, context, this->window());
    if (!window)
        return;
    connect(window, &EditingScreen::screenClosed, this, &CVeskView::onScreenClosed,
            Qt::QueuedConnection);
    connect(window, &EditingScreen::openScreenRequested, this, &CVeskView::onScreenButton,
            Qt::QueuedConnection);
    m_windows[screen] = window;
    window->show();
}

void CVeskView::onScreenClosed(ScreenId screen, bool /*ok*/) {
    // The screen has stored or put back its values already; only its window goes.
    const auto it = m_windows.find(screen);
    if (it == m_windows.end())
        return;
    delete it->second.data();
    m_windows.erase(it);
}

void CVeskView::onUploadButton() {
    runUploadCommand(m_doc, m_prompter, m_busy, window());
}

} // namespace merix
