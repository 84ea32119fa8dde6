#include "common/Modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace testhilfe {

int beiModal(const std::function<void()>& aktion, const std::function<void(QWidget*)>& bearbeite) {
    int anzahl = 0;
    QPointer<QWidget> zuletzt;
    QTimer wecker;
    QObject::connect(&wecker, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (w != nullptr && w->isVisible() && w != zuletzt) {
            zuletzt = w;
            ++anzahl;
            bearbeite(w);
        }
    });
    wecker.start(1);
    aktion();
    return anzahl;
}

QStringList Meldungstexte(const std::function<void()>& aktion,
                          const std::function<QString()>& dahinter) {
    QStringList texte;
    beiModal(aktion, [&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (box == nullptr) {
            ADD_FAILURE() << "unexpected modal window " << w->objectName().toStdString();
            w->close();
            return;
        }
        EXPECT_EQ(box->windowTitle().toStdString(), "Quorbix !");
        EXPECT_EQ(box->buttons().size(), 1) << "message boxes have only OK";
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        texte << (dahinter ? box->text() + QStringLiteral(" | ") + dahinter() : box->text());
        box->button(QMessageBox::Ok)->click();
    });
    return texte;
}

} // namespace testhilfe
