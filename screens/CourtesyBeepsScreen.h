#pragma once

#include "document/CatalogFields.h"
#include "document/Records.h"
#include "screens/CourtesyBeepCatalog.h"
#include "screens/EditingScreen.h"

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace merix {

// "Courtesy Beeps": the five chords of each beep, typed or copied from a default set. Opened
// from the Tones screen. Each accepted keystroke goes into the store at once; Cancel puts back
// only the beep that is shown.
class CourtesyBeepsScreen final : public EditingScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CourtesyBeepsScreen)

  public:
    using ChordPart = BeepFields::ChordPart;

    CourtesyBeepsScreen(const ScreenContext& context, QWidget* parent);

    // For tests and the help text: the widgets by their role.
    QListWidget* beepList() const { return m_list; }
    QLabel* beepTitle() const { return m_title; }
    QPlainTextEdit* descriptionBox() const { return m_description; }
    QComboBox* defaultSetList() const { return m_defaults; }
    QLineEdit* chordField(std::size_t chord, ChordPart part) const { return m_chords[chord][part]; }

  protected:
    void refreshFromDocument() override;
    void cancelEdits() override;

  private:
    void buildControls();
    QLayout* buildChordGrid();
    void loadCatalogs();
    bool hasCurrent() const;
    CourtesyBeep& currentBeep();
    void showCurrent();

    void onFieldChanged(std::size_t chord, ChordPart part);
    void onSelectionChanged(int row);
    void onDefaultSetChosen(int index);

    std::vector<BeepInfo> m_info;
    std::vector<DefaultBeepSet> m_sets;
    int m_current = 0;
    CourtesyBeep m_backup; // the shown beep as it was shown: its chords and default name

    QListWidget* m_list = nullptr;
    QLabel* m_title = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QComboBox* m_defaults = nullptr;
    std::array<std::array<QLineEdit*, BeepFields::PartCount>, kChordCount> m_chords{};
};

} // namespace merix
