#include "common/Modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace testhilfe {

int beiModal(const std::function<void()>& aktion, const std::function<void(QWidget*)>& bearbeite) {
    int anzahl = 0;
    QTimer wecker;
    wecker.setInterval(1);
    QPointer<QWidget> zuletzt;
    QElapsedTimer seit;
    QObject::connect(&wecker, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr || !w->isVisible()) {
            return;
        }
        if (w == zuletzt) {
            // Not closed by the handler: a safety net so a broken test ends.
            if (seit.elapsed() > 20000) {
                ADD_FAILURE() << "modal window was not closed: " << w->objectName().toStdString();
                if (auto* d = qobject_cast<QDialog*>(w)) {
                    d->done(0);
                } else {
                    w->close();
                }
            }
            return;
        }
        zuletzt = w;
        seit.start();
        ++anzahl;
        bearbeite(w);
    });
    wecker.start();
    aktion();
    wecker.stop();
    return anzahl;
}

std::vector<Meldung> Meldungen(const std::function<void()>& aktion) {
    std::vector<Meldung> boxen;
    beiModal(aktion, [&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box == nullptr) {
            ADD_FAILURE() << "unexpected modal window " << w->objectName().toStdString();
            if (auto* d = qobject_cast<QDialog*>(w)) {
                d->done(0);
            }
            return;
        }
        boxen.push_back({box->windowTitle(), box->text()});
        EXPECT_EQ(box->buttons().size(), 1) << "message boxes have only OK";
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        box->button(QMessageBox::Ok)->click();
    });
    return boxen;
}

QStringList Meldungstexte(const std::function<void()>& aktion) {
    QStringList texte;
    for (const auto& m : Meldungen(aktion)) {
        EXPECT_EQ(m.titel.toStdString(), "Quorbix !");
        texte << m.text;
    }
    return texte;
}

} // namespace testhilfe
