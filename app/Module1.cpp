#include "app/Module1.h"

#include "mainwindow/frmQuorbix.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Module1 {

void Main() {
    auto* fenster = new frmQuorbix;
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

} // namespace Module1
