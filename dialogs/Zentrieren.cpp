#include "dialogs/Zentrieren.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace dialoge {

void zentriereAufBildschirm(QWidget* fenster) {
    const QScreen* bildschirm =
        fenster->screen() != nullptr ? fenster->screen() : QGuiApplication::primaryScreen();
    if (bildschirm == nullptr) {
        return;
    }
    const QRect fläche = bildschirm->geometry();
    // Before the first showing the frame is not known yet; the client size is
    // then the best estimate.
    const QSize außen = fenster->frameGeometry().size().expandedTo(fenster->size());
    fenster->move(fläche.left() + (fläche.width() - außen.width()) / 2,
                  fläche.top() + (fläche.height() - außen.height()) / 2);
}

} // namespace dialoge
