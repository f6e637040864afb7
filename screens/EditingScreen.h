#pragma once

#include "document/ConfigDocument.h"

#include <QDialog>

namespace merix {

class Prompter;

// What every editing screen shares: it edits the store directly, clears the pointer flag and
// refreshes itself when the pointer moves over it after the document was replaced, treats
// Escape and the close box as Cancel, ignores Enter, and reports its closing once.
// The main screen destroys the window when that report arrives (a queued connection).
class EditingScreen : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EditingScreen)

  public:
    EditingScreen(ScreenId id, ConfigDocument& doc, Prompter& prompter, QWidget* parent);
    ScreenId screenId() const { return m_id; }

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

    void finish(bool ok);
    // Sets the initial size from dialog units of the screen's layout.
    void resizeInDialogUnits(int width, int height);

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

    ConfigDocument& m_doc;
    Prompter& m_prompter;

  private:
    void onPointerMoved();

    ScreenId m_id;
    bool m_finished = false;
};

} // namespace merix

Q_DECLARE_METATYPE(merix::ScreenId)
