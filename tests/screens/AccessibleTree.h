#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace merix::test {

// A caption as a screen reader says it: without the access letter's '&'.
inline QString spoken(QString caption) {
    caption.remove(QLatin1Char('&'));
    return caption;
}

// The control a screen reader or a UI automation tool finds under `root` by its caption (its
// own text, its label's through setBuddy, or its group box's title), or nullptr. Labels
// themselves are passed over: they are the captions, not the controls.
inline QWidget* findByCaption(QWidget* root, const QString& caption) {
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(root);
    if (!top)
        return nullptr;
    const QString wanted = spoken(caption);
    QList<QAccessibleInterface*> queue{top};
    while (!queue.isEmpty()) {
        QAccessibleInterface* node = queue.takeFirst();
        if (node->role() != QAccessible::StaticText && node->object() &&
            node->object()->isWidgetType() && node->text(QAccessible::Name) == wanted)
            return static_cast<QWidget*>(node->object());
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface* child = node->child(i))
                queue.append(child);
    }
    return nullptr;
}

} // namespace merix::test
