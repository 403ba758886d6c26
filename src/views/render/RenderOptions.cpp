#include "RenderOptions.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace tavlen {

QUrl RenderOptions::source() const {
    if (screen == u"ContentView" || screen == u"MenuBarView")
        return QUrl(QStringLiteral("qrc:/Tavlen/Views/%1.qml").arg(screen));
    if (screen == u"Gallery")
        return QUrl(QStringLiteral("qrc:/Tavlen/Toolkit/Gallery.qml"));
    return QUrl::fromLocalFile(QFileInfo(screen).absoluteFilePath());
}

QString RenderOptions::usage() {
    return QStringLiteral(
        "usage: tavlen_render SCREEN OUTPUT.png [--dark|--light] [--size WxH] [--sample]\n"
        "  SCREEN: ContentView, MenuBarView, Gallery or a path to a .qml file whose root\n"
        "          item may declare `property var store`\n");
}

std::optional<RenderOptions> RenderOptions::parse(const QStringList& arguments, QString* error) {
    RenderOptions o;
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == u"--dark") {
            o.dark = true;
        } else if (a == u"--light") {
            o.dark = false;
        } else if (a == u"--sample") {
            o.sampleData = true;
        } else if (a == u"--size") {
            static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
            const auto m = i + 1 < arguments.size() ? pattern.match(arguments.at(i + 1))
                                                    : QRegularExpressionMatch();
            const QSize size =
                m.hasMatch() ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
            if (size.isEmpty()) {
                *error = QStringLiteral("--size needs WIDTHxHEIGHT, both above 0");
                return std::nullopt;
            }
            o.size = size;
            ++i;
        } else if (a.startsWith(u"--")) {
            *error = QStringLiteral("unknown option %1").arg(a);
            return std::nullopt;
        } else {
            positional << a;
        }
    }
    if (positional.size() != 2) {
        *error = QStringLiteral("need a screen and an output file");
        return std::nullopt;
    }
    o.screen = positional.at(0);
    o.output = positional.at(1);
    return o;
}

} // namespace tavlen
