// How the dialogs look: no caption is cut off by its control. With
// QUORBIX_BILDER set to a folder, the dialogs are also saved there as PNG.

#include "dialogs/frmEinstellungen.h"
#include "dialogs/frmInfo.h"
#include "mainwindow/frmQuorbix.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

namespace {

void speichere(QWidget* fenster, const QString& datei) {
    const QString ordner = qEnvironmentVariable("QUORBIX_BILDER");
    if (ordner.isEmpty()) {
        return;
    }
    QDir().mkpath(ordner);
    EXPECT_TRUE(fenster->grab().save(QDir(ordner).filePath(datei)));
}

// Width the caption of a control needs beside whatever else the control draws.
int benötigteBreite(const QWidget* c) {
    const QFontMetrics maße(c->font());
    if (auto* o = qobject_cast<const QRadioButton*>(c)) {
        const QStyle* s = o->style();
        return s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, o) +
               s->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, o) +
               maße.horizontalAdvance(o->text());
    }
    if (auto* l = qobject_cast<const QLabel*>(c)) {
        return maße.horizontalAdvance(l->text()) + 2 * l->frameWidth();
    }
    if (auto* k = qobject_cast<const QAbstractButton*>(c)) {
        return maße.horizontalAdvance(k->text());
    }
    if (auto* g = qobject_cast<const QGroupBox*>(c)) {
        return maße.horizontalAdvance(g->title());
    }
    return 0;
}

TEST(Ansicht, settingsDialogShowsEveryCaptionWhole) {
    frmQuorbix spiel;
    frmEinstellungen d(spiel.Stand(), {}, &spiel);
    d.show();
    for (QWidget* c : d.findChildren<QWidget*>()) {
        if (c->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        const QFontMetrics maße(c->font());
        EXPECT_LE(benötigteBreite(c), c->width()) << c->objectName().toStdString();
        if (qobject_cast<QLabel*>(c) != nullptr || qobject_cast<QAbstractButton*>(c) != nullptr) {
            EXPECT_LE(maße.height(), c->height()) << c->objectName().toStdString();
        }
    }
    speichere(&d, QStringLiteral("frmEinstellungen.png"));
    d.done(0);
}

TEST(Ansicht, aboutBoxShowsTheFourPiecesEachOnALineOfItsOwn) {
    frmQuorbix spiel;
    frmInfo info({}, &spiel);
    info.show();
    auto* text = info.findChild<QLabel*>(QStringLiteral("Label1"));
    ASSERT_NE(text, nullptr);
    const QStringList stücke =
        text->text().split(QRegularExpression(QStringLiteral(" {2,}")), Qt::SkipEmptyParts);
    ASSERT_EQ(stücke.size(), 4);
    const QFontMetrics maße(text->font());
    for (const QString& stück : stücke) {
        EXPECT_LE(maße.horizontalAdvance(stück), text->contentsRect().width())
            << stück.toStdString();
    }
    EXPECT_LE(4 * maße.lineSpacing(), text->contentsRect().height());
    auto* okay = info.findChild<QPushButton*>(QStringLiteral("Command1"));
    ASSERT_NE(okay, nullptr);
    EXPECT_LE(QFontMetrics(okay->font()).horizontalAdvance(okay->text()), okay->width());

    // The painted text is blue and lies inside the label (the picture has
    // blue in it too).
    const QImage bild = info.grab().toImage();
    const QRect lage = text->geometry();
    const QRect bildlage = info.findChild<QLabel*>(QStringLiteral("Image1"))->geometry();
    int innen = 0;
    int außen = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixelColor(x, y) != QColor(0, 0, 255)) {
                continue;
            }
            if (lage.contains(x, y)) {
                ++innen;
            } else if (!bildlage.contains(x, y)) {
                ++außen;
            }
        }
    }
    EXPECT_GT(innen, 100);
    EXPECT_EQ(außen, 0);
    speichere(&info, QStringLiteral("frmInfo.png"));
    info.done(0);
}

} // namespace
