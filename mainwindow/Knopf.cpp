#include "mainwindow/Knopf.h"

#include "ui/Barrierefreiheit.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace hauptfenster {

Knopf::Knopf(const QString& text, QWidget* eltern) : QPushButton(text, eltern) {
    // A screen reader hears the caption as it is meant, without the hyphen
    // and blank where it wraps: "Einstel-lungen" is "Einstellungen"; a
    // hyphen before a capital stays.
    ui::setzeName(this, [this] {
        static const QRegularExpression umbruch(QStringLiteral("-\\s*(?=\\p{Ll})"));
        return QString(this->text()).remove(umbruch).simplified();
    });
}

QStringList Knopf::Zeilen(const QString& text, const QFontMetrics& maße, int breite) {
    // Pieces end after a hyphen or a blank; lines are filled greedily.
    QStringList stücke;
    QString stück;
    for (const QChar c : text) {
        stück += c;
        if (c == QLatin1Char('-') || c == QLatin1Char(' ')) {
            stücke << stück;
            stück.clear();
        }
    }
    if (!stück.isEmpty()) {
        stücke << stück;
    }
    QStringList zeilen;
    QString zeile;
    for (const QString& s : stücke) {
        const QString versuch = zeile + s;
        if (!zeile.isEmpty() && maße.horizontalAdvance(versuch.trimmed()) > breite) {
            zeilen << zeile.trimmed();
            zeile = s;
        } else {
            zeile = versuch;
        }
    }
    if (!zeile.trimmed().isEmpty()) {
        zeilen << zeile.trimmed();
    }
    return zeilen;
}

void Knopf::paintEvent(QPaintEvent*) {
    QStylePainter maler(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    maler.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect fläche = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QStringList zeilen = Zeilen(text(), fontMetrics(), fläche.width() - 2);
    const int zeilenhöhe = fontMetrics().height();
    QRect block(0, 0, fläche.width(), zeilenhöhe * static_cast<int>(zeilen.size()));
    block.moveCenter(fläche.center());
    if (isDown()) {
        block.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                        style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    for (int i = 0; i < zeilen.size(); ++i) {
        const QRect zeile(block.left(), block.top() + i * zeilenhöhe, block.width(), zeilenhöhe);
        style()->drawItemText(&maler, zeile, Qt::AlignCenter, option.palette, isEnabled(),
                              zeilen[i], QPalette::ButtonText);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect fokus;
        fokus.initFrom(this);
        fokus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        maler.drawPrimitive(QStyle::PE_FrameFocusRect, fokus);
    }
}

} // namespace hauptfenster
