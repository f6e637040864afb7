#pragma once

#include "screens/AnalogRules.h"
#include "screens/EditingScreen.h"
#include "screens/EntryCatalog.h"
#include "screens/ResolutionCatalog.h"

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace merix {

struct IoPoint;

// "Analog Inputs": how each input's reading is scaled for the controller's readouts: a named
// resolution, the decimals, the two ends of the range, and a description. Every change goes
// into the store at once; Cancel puts back only the input that is current.
class AnalogInputsScreen final : public EditingScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnalogInputsScreen)

  public:
    AnalogInputsScreen(const ScreenContext& context, QWidget* parent);

    // For tests and the help text: the widgets by their role.
    QListWidget* inputList() const { return m_list; }
    QLabel* labelLine() const { return m_label; }
    QComboBox* resolutionList() const { return m_resolution; }
    QComboBox* decimalsList() const { return m_decimals; }
    QLineEdit* lowField() const { return m_low; }
    QLineEdit* highField() const { return m_high; }
    QPlainTextEdit* descriptionField() const { return m_description; }

  protected:
    void refreshFromDocument() override;
    void cancelEdits() override;

  private:
    void buildControls();
    void loadCatalogs();
    void fillList();
    bool hasCurrent() const;
    IoPoint& currentInput();
    QLineEdit* rangeField(RangeEnd end) const;
    void showCurrent();
    void showDecimals(int decimals);

    void onSelectionChanged(int row);
    void onResolutionChosen(int index);
    void onDecimalsChosen(int decimals);
    void onRangeChanged(RangeEnd end);
    void onDescriptionChanged();

    // What Cancel puts back: the current input as it was when it became current.
    struct SavedInput {
        std::string description;
        std::string resolution;
        i16 low = 0;
        i16 high = 0;
        int decimals = 0;
    };

    std::vector<EntryText> m_entries;
    std::vector<Resolution> m_resolutions;
    int m_current = 0;
    SavedInput m_saved;
    // Off while a chosen resolution fills the range: its own decimals hold, whatever the ends.
    bool m_checkDecimals = true;

    QListWidget* m_list = nullptr;
    QLabel* m_label = nullptr;
    QComboBox* m_resolution = nullptr;
    QComboBox* m_decimals = nullptr;
    QLineEdit* m_low = nullptr;
    QLineEdit* m_high = nullptr;
    QPlainTextEdit* m_description = nullptr;
};

} // namespace merix
