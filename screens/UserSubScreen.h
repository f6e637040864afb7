#pragma once

#include "document/Records.h"

#include <QDialog>

#include <cstddef>

class QHBoxLayout;
class QPushButton;

namespace merix {

class ConfigDocument;
class Prompter;

// A modal screen of the Users screen for one user (Autopatch, Paging): edits go into that
// user's record at once; Cancel, Escape and the close box put back what it found on opening.
class UserSubScreen : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UserSubScreen)

  public:
    UserSubScreen(ConfigDocument& doc, Prompter& prompter, std::size_t user, QWidget* parent);

    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

  protected:
    // "Cancel" and "OK" at the bottom right; neither is a default button, so Enter does
    // nothing here either.
    QHBoxLayout* okCancelRow();
    // Takes the values Cancel puts back, once the screen shows the user.
    void saveUser();
    // The user's record; false when the document no longer has it.
    bool hasUser() const;
    UserEntry& user();
    const UserEntry& saved() const { return m_saved; }

    virtual void restoreSaved() = 0;
    void reject() override;

    ConfigDocument& m_doc;
    Prompter& m_prompter;

  private:
    std::size_t m_user;
    UserEntry m_saved;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace merix
