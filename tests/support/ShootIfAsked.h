#pragma once

#include <QApplication>
#include <QDir>
#include <QWidget>

// Saves a picture of the widget as NAME.png in ZARADE_SHOT_DIR, for people
// to look at; nothing when the variable is not set.
inline void ShootIfAsked(QWidget& widget, const QString& name) {
    const QString dir = qEnvironmentVariable("ZARADE_SHOT_DIR");
    if (dir.isEmpty())
        return;
    widget.show();
    QApplication::processEvents();
    widget.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}
