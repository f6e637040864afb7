#pragma once

#include "screens/UserSubScreen.h"

class QCheckBox;
class QComboBox;

namespace merix {

// "Paging": the pager settings of one user, opened modally from the Users screen. Cancel puts
// back the pager type and the two ports as they were when it opened.
class PagingScreen final : public UserSubScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PagingScreen)

  public:
    PagingScreen(ConfigDocument& doc, Prompter& prompter, std::size_t user, QWidget* parent);

    QComboBox* pagerTypeList() const { return m_type; }
    QCheckBox* portBox(int port) const { return port == 1 ? m_port1 : m_port2; }

  protected:
    void restoreSaved() override;

  private:
    void buildControls();
    void showUser();

    QComboBox* m_type = nullptr;
    QCheckBox* m_port1 = nullptr;
    QCheckBox* m_port2 = nullptr;
};

} // namespace merix
