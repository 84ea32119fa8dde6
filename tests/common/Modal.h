#pragma once
// Driving modal windows from tests: a timer armed before the blocking call
// finds the modal widget and hands it over, or answers message boxes with OK.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// A failing check prints a text as text.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace testhilfe {

// Runs `aktion`; each modal widget that opens meanwhile is passed to
// `bearbeite`, which must close it. Returns how many were handled.
inline int beiModal(const std::function<void()>& aktion,
                    const std::function<void(QWidget*)>& bearbeite) {
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

// Runs `aktion`, answers every message box with OK and returns their texts;
// fails the test on any other modal window or a box that is not the game's.
// With `dahinter`, a text is followed by " | " and what `dahinter` finds
// while its box is open: the window behind it, say.
inline QStringList Meldungstexte(const std::function<void()>& aktion,
                                 const std::function<QString()>& dahinter = {}) {
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
