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

// Whether a label names the control through the label relation (setBuddy). On Linux a
// drop-down list's accessible name is its current text, so its label reaches a screen reader
// only this way.
inline bool labelledAs(QAccessibleInterface* node, const QString& wanted) {
    for (const auto& [other, relation] : node->relations(QAccessible::Label)) {
        if (relation & QAccessible::Label && spoken(other->text(QAccessible::Name)) == wanted)
            return true;
    }
    return false;
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
        if (node->role() != QAccessible::StaticText &&
            (node->text(QAccessible::Name) == wanted || labelledAs(node, wanted)) &&
            node->object() && node->object()->isWidgetType())
            return static_cast<QWidget*>(node->object());
        for (int i = 0; i < node->childCount(); ++i)
            if (QAccessibleInterface* child = node->child(i))
                queue.append(child);
    }
    return nullptr;
}

} // namespace merix::test
