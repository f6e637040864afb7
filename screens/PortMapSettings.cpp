#include "screens/PortMapSettings.h"

#include <QSettings>

namespace merix {

namespace {

const QString kGroup = QStringLiteral("Serial Ports");

QString key(int index) {
    return QString::fromStdString(comPortName(index));
}

} // namespace

PortMap loadPortMap() {
    PortMap ports;
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < PortMap::kPortCount; ++i) {
        const QVariant device = settings.value(key(i));
        if (device.isValid())
            ports.setDevice(i, device.toString().toStdString());
    }
    return ports;
}

void savePortMap(const PortMap& ports) {
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < PortMap::kPortCount; ++i)
        settings.setValue(key(i), QString::fromStdString(ports.device(i)));
    settings.endGroup();
    settings.sync();
}

} // namespace merix
