#include "app/Module1.h"
#include "ui/Steuerelemente.h"

#include <QApplication>

int main(int argc, char** argv) {
    Module1::X11BevorzugenUnterWayland();
    Module1::OhneAnzeigeKlarBeenden();
    QApplication app(argc, argv);
    Module1::AnzeigeErreicht();
    QApplication::setApplicationName(QStringLiteral("Quorbix"));
    // Window systems fill an empty title with the display name; the about
    // box's title bar must stay empty. Other titles are left as they are.
    QApplication::setApplicationDisplayName(QStringLiteral(""));
    QApplication::setDesktopFileName(QStringLiteral("quorbix"));
    if (!Module1::QtTexteDeutsch()) {
        qWarning(
            "Qt's German translations (qtbase_de.qm) are missing: Qt's own texts stay English");
    }
    // The light colours and the named face, before the first window.
    ui::richteAussehenEin();
    Module1::Main();
    return QApplication::exec();
}
