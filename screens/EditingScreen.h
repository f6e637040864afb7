#pragma once

#include "document/ConfigDocument.h"
#include "screens/ScreenContext.h"

#include <QDialog>

class QFont;
class QHBoxLayout;
class QPushButton;
class QSize;

namespace merix {

class BusyIndicator;
class PointerOverMain;
class Prompter;

// What every editing screen shares: it edits the store directly, clears the pointer flag and
// refreshes itself when the pointer moves over it after the document was replaced, treats
// Escape and the close box as Cancel, ignores Enter, and reports its closing once.
// The main screen destroys the window when that report arrives (a queued connection).
class EditingScreen : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EditingScreen)

  public:
    EditingScreen(ScreenId id, const ScreenContext& context, QWidget* parent);
    ScreenId screenId() const { return m_id; }

    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

  Q_SIGNALS:
    void screenClosed(merix::ScreenId id, bool ok);
    // A screen opened from this one (Courtesy Beeps from Tones) is opened and owned by the
    // main screen like any other.
    void openScreenRequested(merix::ScreenId id);

  protected:
    // Shows the store's values again; the list and the current entry stay.
    virtual void refreshFromDocument() = 0;
    // Cancel's own work (putting values back) before the screen reports its closing.
    virtual void cancelEdits() = 0;
    // OK's final check; false keeps the screen open (the check has told the user why).
    virtual bool acceptEdits() { return true; }

    // The row of "Cancel" and "&OK" at the bottom right, made once; a screen may add its own
    // buttons to the row. Neither is a default button: Enter does nothing on a screen.
    QHBoxLayout* okCancelRow();
    void finish(bool ok);
    // The screens' layouts are measured in dialog units: a quarter of the average character
    // width across and an eighth of the character height down, so they grow with the font.
    void resizeInDialogUnits(int width, int height);
    // A catalog the screen read again could not give everything; said once, in the status bar.
    void showCatalogNotice(const std::string& notice) const;

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

    ConfigDocument& m_doc;
    Prompter& m_prompter;
    BusyIndicator* m_busy;
    PointerOverMain& m_pointer;

  private:
    void onPointerMoved();
    void onOk();

    ScreenId m_id;
    std::function<void(const std::string&)> m_showStatus;
    QHBoxLayout* m_buttonRow = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_finished = false;
};

// A push button that Enter never presses: the screens have no default button.
QPushButton* makeScreenButton(const QString& text);

// A size in dialog units for a window in `font`: a quarter of the average character width
// across and an eighth of the character height down, so layouts grow with the font.
QSize dialogUnitsToPixels(const QFont& font, int width, int height);

} // namespace merix

Q_DECLARE_METATYPE(merix::ScreenId)
