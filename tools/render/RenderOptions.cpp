#include "RenderOptions.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace tavlen {

namespace {
// Every screen by its name, and where it lives in the resources.
const QList<std::pair<QString, QString>> screens{
    {QStringLiteral("ContentView"), QStringLiteral("Views/main/ContentView.qml")},
    {QStringLiteral("MenuBarView"), QStringLiteral("Views/panel/MenuBarView.qml")},
    {QStringLiteral("CustomKalender"), QStringLiteral("Views/homework/CustomKalender.qml")},
    {QStringLiteral("NyLektieView"), QStringLiteral("Views/homework/NyLektieView.qml")},
    {QStringLiteral("LektieDetaljeView"), QStringLiteral("Views/homework/LektieDetaljeView.qml")},
    {QStringLiteral("FagIndstillingerView"),
     QStringLiteral("Views/subjects/FagIndstillingerView.qml")},
    {QStringLiteral("NytFagView"), QStringLiteral("Views/subjects/NytFagView.qml")},
    {QStringLiteral("OversigtView"), QStringLiteral("Views/main/OversigtView.qml")},
    {QStringLiteral("FagView"), QStringLiteral("Views/main/FagView.qml")},
    {QStringLiteral("AppIndstillingerView"), QStringLiteral("Views/main/AppIndstillingerView.qml")},
    {QStringLiteral("OnboardingView"), QStringLiteral("Views/onboarding/OnboardingView.qml")},
    {QStringLiteral("Gallery"), QStringLiteral("Toolkit/Gallery.qml")},
};
} // namespace

QStringList RenderOptions::screenNames() {
    QStringList names;
    for (const auto& [name, path] : screens)
        names.append(name);
    return names;
}

QUrl RenderOptions::source() const {
    for (const auto& [name, path] : screens) {
        if (screen == name)
            return QUrl(QStringLiteral("qrc:/Tavlen/") + path);
    }
    return QUrl::fromLocalFile(QFileInfo(screen).absoluteFilePath());
}

QString RenderOptions::usage() {
    return QStringLiteral(
               "usage: tavlen_render SCREEN OUTPUT.png [--dark|--light] [--size WxH] [--sample]\n"
               "                     [--steps N]\n"
               "  SCREEN: %1, or the path of a .qml file\n"
               "  --steps N: moves a flow (the root's `flow`) on N steps first\n")
        .arg(screenNames().join(QStringLiteral(", ")));
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
        } else if (a == u"--steps") {
            bool ok = false;
            const int steps = i + 1 < arguments.size() ? arguments.at(i + 1).toInt(&ok) : 0;
            if (!ok || steps < 0) {
                *error = QStringLiteral("--steps needs a number, 0 or more");
                return std::nullopt;
            }
            o.steps = steps;
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
