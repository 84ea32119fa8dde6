#include "app/Module1.h"

#include "mainwindow/frmQuorbix.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QList>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace Module1 {

void Main() {
    auto* fenster = new hauptfenster::frmQuorbix;
    // The main window lives for the whole run; closing it ends the program.
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    fenster->show();
    fenster->Start();
}

bool QtTexteDeutsch() {
    auto* übersetzung = new QTranslator(QCoreApplication::instance());
    if (!übersetzung->load(QStringLiteral("qtbase_de"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(übersetzung)) {
        delete übersetzung;
        return false;
    }
    return true;
}

void X11BevorzugenUnterWayland() {
    const bool wayland =
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !wayland ||
        qEnvironmentVariableIsEmpty("DISPLAY")) {
        return;
    }
    // Should the X server not answer after all, Qt tries Wayland next.
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

namespace {
// The context's texts are Qt's string literals, which outlive the program's start.
struct Nachricht {
    QtMsgType art;
    const char *datei, *funktion, *kategorie;
    int zeile;
    QString text;
};
QList<Nachricht> zurückgehalten;

void ohneAnzeige(QtMsgType art, const QMessageLogContext& kontext, const QString& text) {
    if (art == QtFatalMsg) {
        std::fputs("Quorbix: Keine grafische Anzeige erreichbar. Bitte DISPLAY (X11) oder "
                   "WAYLAND_DISPLAY (Wayland) prüfen.\n",
                   stderr);
        std::_Exit(1);
    }
    zurückgehalten.append(
        {art, kontext.file, kontext.function, kontext.category, kontext.line, text});
}
} // namespace

void OhneAnzeigeKlarBeenden() {
    qInstallMessageHandler(ohneAnzeige);
}

void AnzeigeErreicht() {
    qInstallMessageHandler(nullptr);
    for (const Nachricht& n : std::exchange(zurückgehalten, {})) {
        qt_message_output(n.art, QMessageLogContext(n.datei, n.zeile, n.funktion, n.kategorie),
                          n.text);
    }
}

} // namespace Module1
