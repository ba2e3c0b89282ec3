#pragma once

#include <QApplication>
#include <QStringList>
#include <QWidget>

// The names of the top-level windows still on screen: a test must leave none behind.
inline QStringList visibleTopLevelWindows() {
    QStringList names;
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) names << w->objectName();
    return names;
}
