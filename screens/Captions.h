#pragma once

class QLabel;
class QWidget;

namespace merix {

// Ties a label to its control: its access letter moves the focus there, and screen readers
// and UI automation name the control by the label. Item views (lists) ignore a buddy for
// their name, so the name is set on every control alike.
void labelControl(QLabel* label, QWidget* control);

} // namespace merix
