#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace tavlen {

// What tavlen_render draws: a screen by name (ContentView, MenuBarView, Gallery) or a QML
// file, into a PNG, in one appearance, at a size (or the screen's own size).
struct RenderOptions {
    QString screen;
    QString output;
    bool dark = false;
    QSize size; // invalid: the root item's implicit size
    bool sampleData = false;
    int steps = 0; // a flow's steps to move on before drawing

    // The screen's address: a module file for a known name, else the file itself.
    QUrl source() const;

    // Parses the arguments after the program name; an error text when they are unusable.
    static std::optional<RenderOptions> parse(const QStringList& arguments, QString* error);
    static QString usage();
    static QStringList screenNames();
};

} // namespace tavlen
