#include "screens/Captions.h"

#include <QLabel>

namespace merix {

void labelControl(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    QString name = label->text();
    name.remove(QLatin1Char('&'));
    control->setAccessibleName(name);
}

} // namespace merix
