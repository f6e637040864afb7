#include "app/AboutBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace merix {

QStringList aboutLines() {
    return {QStringLiteral("MERIX Version 1.5"),
            QStringLiteral("Editor for the MERIX repeater controller"),
            QStringLiteral("Copyright (C) 2026")};
}

QPixmap programIcon(int size) {
    return QIcon(QStringLiteral(":/icons/merix.png")).pixmap(size, size);
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About MERIX"));
    auto* icon = new QLabel;
    icon->setPixmap(programIcon(32));
    icon->setAlignment(Qt::AlignTop);
    auto* lines = new QVBoxLayout;
    for (const QString& line : aboutLines())
        lines->addWidget(new QLabel(line));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(lines, 1);
    top->addWidget(buttons, 0, Qt::AlignTop);
    setLayout(top);
}

} // namespace merix
