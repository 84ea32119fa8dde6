#pragma once
// Waiting for the windows, and a new game begun as every one is: clear the
// board, change the settings, lay out the game.

#include "mainwindow/frmQuorbix.h"

#include <QCoreApplication>
#include <QPointer>
#include <functional>

using hauptfenster::frmQuorbix;

namespace testhilfe {

// Lets the windows' events run until `bis` holds: long work goes on in the
// event loop.
inline void warteBis(const std::function<bool()>& bis) {
    while (!bis()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// Until the computer's search has ended (or the window is gone).
inline void warteAufSuche(const QPointer<frmQuorbix>& f) {
    warteBis([&f] { return !f || !f->SucheLäuft(); });
}

inline void neuesSpiel(frmQuorbix& f, bool farben, bool mensch, int symbole, int felder) {
    f.Lösch();
    f.setFarben(farben);
    f.setMensch(mensch);
    f.setAnzahlFarben(static_cast<std::int16_t>(symbole));
    f.setAnzahlFelder(static_cast<std::int16_t>(felder));
    f.Start();
}

} // namespace testhilfe
