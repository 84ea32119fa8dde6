#include "mainwindow/Barrierefreiheit.h"

#include "dialogs/Drehfeld.h"
#include "dialogs/Steuerelemente.h"
#include "mainwindow/Knopf.h"
#include "mainwindow/frmQuorbix.h"
#include "rules/Farben.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <array>
#include <cmath>

namespace Barrierefreiheit {

namespace {

// Names of the 16 palette colours, by palette index.
constexpr std::array<const char*, 16> Farbnamen{
    "Schwarz",    "Blau",        "Grün", "Türkis",   "Dunkelrot", "Magenta",
    "Dunkelgelb", "Hellgrau",    "Grau", "Hellblau", "Hellgrün",  "Helltürkis",
    "Hellrot",    "Hellmagenta", "Gelb", "Weiß"};

// "lblVersuch(16)" is element 16 of the array lblVersuch; a single control
// has index -1.
struct Element {
    QString name;
    int index = -1;
};

Element zerlege(const QString& objektname) {
    const qsizetype klammer = objektname.indexOf(QLatin1Char('('));
    if (klammer < 0 || !objektname.endsWith(QLatin1Char(')'))) {
        return {objektname, -1};
    }
    bool ok = false;
    const int index = objektname.mid(klammer + 1, objektname.size() - klammer - 2).toInt(&ok);
    return {objektname.left(klammer), ok ? index : -1};
}

const frmQuorbix* spielVon(const QWidget* w) {
    return qobject_cast<const frmQuorbix*>(w->window());
}

// The move whose board row a widget of the main window stands in, 0 above the board.
int zeileAnHöhe(const QWidget* w) {
    const double zeile = (w->y() - ui::tw(840)) / static_cast<double>(ui::tw(480));
    return zeile < -0.5 ? 0 : static_cast<int>(std::lround(zeile)) + 1;
}

QString mitWert(const char* beschriftung, const QString& wert) {
    const QString text = wert.trimmed();
    return QString::fromUtf8(beschriftung) + QStringLiteral(": ") +
           (text.isEmpty() ? QStringLiteral("leer") : text);
}

QString Stifte(int anzahl, const char* einer, const char* mehrere) {
    return QString::number(anzahl) + QLatin1Char(' ') +
           QString::fromUtf8(anzahl == 1 ? einer : mehrere);
}

// What a row label adds: the answer the move received, once it has one.
QString Antwort(const QWidget* zeile, int zug) {
    const frmQuorbix* spiel = spielVon(zeile);
    if (spiel == nullptr || zug < 1 || zug >= spiel->Stand().Zug) {
        return {};
    }
    const int schwarz = spiel->Stand().AntwortSchwarz.at(static_cast<std::size_t>(zug));
    const int weiß = spiel->Stand().AntwortWeiß.at(static_cast<std::size_t>(zug));
    if (schwarz == 0 && weiß == 0) {
        return QStringLiteral("Antwort: keine Stifte");
    }
    QStringList teile;
    if (schwarz > 0) {
        teile << Stifte(schwarz, "schwarzer Stift", "schwarze Stifte");
    }
    if (weiß > 0) {
        teile << Stifte(weiß, "weißer Stift", "weiße Stifte");
    }
    return QStringLiteral("Antwort: ") + teile.join(QStringLiteral(", "));
}

// Names of the labels that show something only by colour or position; an
// empty result leaves the label to Qt, which reads its caption.
QString Labelname(const QLabel* l) {
    const auto [name, index] = zerlege(l->objectName());
    const QString inhalt = Zelleninhalt(l);
    if (name == QLatin1String("lblVersuch") && index >= 0) {
        return QStringLiteral("Zug %1, Feld %2: %3")
            .arg(index % quorbix::MaxZüge + 1)
            .arg(index / quorbix::MaxZüge + 1)
            .arg(inhalt);
    }
    if (name == QLatin1String("lblKomb1") && index >= 0) {
        return QStringLiteral("Lösung, Feld %1: %2").arg(index + 1).arg(inhalt);
    }
    if (name == QLatin1String("lblMen") && index >= 0) {
        return QStringLiteral("Eingabe, Feld %1: %2").arg(index + 1).arg(inhalt);
    }
    if (name == QLatin1String("lblComp") && index >= 0) {
        // The symbol row, which shows the computer's guess once it guesses.
        const frmQuorbix* spiel = spielVon(l);
        if (spiel != nullptr && !spiel->Mensch() && spiel->Stand().Zug > 0) {
            return QStringLiteral("Zug des Computers, Feld %1: %2").arg(index + 1).arg(inhalt);
        }
        if (!l->text().trimmed().isEmpty()) {
            return QStringLiteral("Zahl %1").arg(l->text().trimmed());
        }
        return QStringLiteral("Farbe %1: %2").arg(index + 1).arg(inhalt);
    }
    if (name == QLatin1String("lblNr") && index >= 0) {
        return QStringLiteral("Zug %1").arg(index + 1);
    }
    if (name == QLatin1String("lblSchwarz") || name == QStringLiteral("lblWeiße")) {
        const QString art = name == QLatin1String("lblSchwarz") ? QStringLiteral("schwarzer Stift")
                                                                : QStringLiteral("weißer Stift");
        const int zug = zeileAnHöhe(l);
        return zug > 0 ? QStringLiteral("Zug %1: %2").arg(zug).arg(art) : art;
    }
    if (name == QLatin1String("lblSchw")) {
        return mitWert("Anzahl Schwarze", l->text());
    }
    if (name == QStringLiteral("lblWeiß")) {
        return mitWert("Anzahl Weiße", l->text());
    }
    if (name == QLatin1String("Zugfeld")) {
        const QString text = l->text().trimmed();
        return text.isEmpty() ? QStringLiteral("Zug des Computers")
                              : QStringLiteral("Zug des Computers: ") + text;
    }
    if (name == QLatin1String("lblFelder")) {
        return mitWert("Anzahl Felder pro Reihe", l->text());
    }
    if (name == QLatin1String("lblFaZa")) {
        return mitWert("Anzahl Farben/Zahlen", l->text());
    }
    if (name == QLatin1String("Image1")) {
        return QStringLiteral("Bild: Quorbix");
    }
    // The evaluation window's results, each with its caption.
    if (name == QLatin1String("lblCodes")) {
        return mitWert("Anzahl Kombinationen", l->text());
    }
    if (name == QLatin1String("lblMin")) {
        return mitWert("Kleinste Zahl der Züge", l->text());
    }
    if (name == QLatin1String("lblMax")) {
        return mitWert("Größte Zahl der Züge", l->text());
    }
    if (name == QLatin1String("lblMittel")) {
        return mitWert("Durchschnittliche Zahl der Züge", l->text());
    }
    return {};
}

QString Labelbeschreibung(const QLabel* l) {
    const auto [name, index] = zerlege(l->objectName());
    if (name == QLatin1String("lblNr")) {
        return Antwort(l, index + 1);
    }
    if (name == QLatin1String("lblSchwarz")) {
        return QStringLiteral("Richtiges Symbol am richtigen Platz");
    }
    if (name == QStringLiteral("lblWeiße")) {
        return QStringLiteral("Richtiges Symbol am falschen Platz");
    }
    return {};
}

QString Drehfeldname(const Drehfeld* d) {
    const auto [name, index] = zerlege(d->objectName());
    if (name == QLatin1String("updM") && index >= 0) {
        return QStringLiteral("Feld %1").arg(index + 1);
    }
    if (name == QLatin1String("updSchw")) {
        return QStringLiteral("Anzahl Schwarze");
    }
    if (name == QStringLiteral("updWeiß")) {
        return QStringLiteral("Anzahl Weiße");
    }
    if (name == QLatin1String("upd1")) {
        return QStringLiteral("Anzahl Felder pro Reihe");
    }
    if (name == QLatin1String("upd2")) {
        return QStringLiteral("Anzahl Farben/Zahlen");
    }
    return {};
}

QString Drehfeldwert(const Drehfeld* d) {
    // An entry spinner shows its value as the colour or number of its cell.
    if (zerlege(d->objectName()).name == QLatin1String("updM") && d->gebundenesLabel() != nullptr) {
        return Zelleninhalt(d->gebundenesLabel());
    }
    return QString::number(d->value());
}

QString Drehfeldbeschreibung(const Drehfeld* d) {
    const auto [name, index] = zerlege(d->objectName());
    if (name == QLatin1String("updM") && index >= 0) {
        return QStringLiteral("Pfeil nach oben oder unten wählt das Symbol für Feld %1")
            .arg(index + 1);
    }
    if (name == QLatin1String("updSchw")) {
        return QStringLiteral("Wie viele Stifte das richtige Symbol am richtigen Platz haben");
    }
    if (name == QStringLiteral("updWeiß")) {
        return QStringLiteral("Wie viele Stifte das richtige Symbol am falschen Platz haben");
    }
    return {};
}

// Buttons without a tooltip, or whose tooltip does not fit the game on the
// board or would be misread ("zuürck"), say what they do.
QString Knopfbeschreibung(const QPushButton* b) {
    const QString name = b->objectName();
    const frmQuorbix* spiel = spielVon(b);
    const bool mensch = spiel == nullptr || spiel->Mensch();
    if (name == QLatin1String("cmdFertig(0)")) {
        if (mensch) {
            return QStringLiteral("Versuch übernehmen und auswerten");
        }
        return spiel->Stand().Zug == 0 ? QStringLiteral("Deine Kombination festlegen")
                                       : QStringLiteral("Antwort übernehmen");
    }
    if (name == QLatin1String("cmdFertig(1)") && mensch) {
        return QStringLiteral("Aufgeben und die Lösung zeigen");
    }
    if (name == QLatin1String("cmdFertig(4)")) {
        return QStringLiteral("Letzten Zug zurücknehmen");
    }
    if (name == QLatin1String("cmdFertig(5)")) {
        return QStringLiteral("Suche des Computers anhalten");
    }
    return b->toolTip();
}

// Qt asks for a widget's interface while the widget is still being built,
// before it has its object name or even its final class, and keeps the
// answer. So every label, push button and spin control gets one of the
// interfaces below, and each decides what to say when it is asked.

// "&Datei" reads "Datei"; "&&" is a plain ampersand.
QString ohneKürzel(const QString& text) {
    QString ergebnis;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        ergebnis += text[i];
    }
    return ergebnis;
}

class Anzeige : public QAccessibleWidget {
public:
    explicit Anzeige(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text art) const override {
        const QLabel* l = label();
        if (art == QAccessible::Name && l->accessibleName().isEmpty()) {
            const QString name = Labelname(l);
            if (!name.isEmpty()) {
                return name;
            }
            // Any other label reads its caption, as Qt's own does; the runs
            // of blanks that place its pieces say nothing.
            if (l->textFormat() == Qt::RichText ||
                (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()))) {
                return QTextDocumentFragment::fromHtml(l->text()).toPlainText().simplified();
            }
            return l->text().simplified();
        }
        if (art == QAccessible::Description && l->accessibleDescription().isEmpty()) {
            const QString beschreibung = Labelbeschreibung(l);
            if (!beschreibung.isEmpty()) {
                return beschreibung;
            }
        }
        return QAccessibleWidget::text(art);
    }

private:
    const QLabel* label() const { return static_cast<const QLabel*>(widget()); }
};

class Drehknopf : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit Drehknopf(QAbstractSpinBox* d) : QAccessibleWidget(d, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType art) override {
        if (art == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(art);
    }

    QString text(QAccessible::Text art) const override {
        const Drehfeld* d = drehfeld();
        if (d == nullptr) {
            return art == QAccessible::Value ? spinBox()->text() : QAccessibleWidget::text(art);
        }
        switch (art) {
        case QAccessible::Name:
            if (d->accessibleName().isEmpty() && !Drehfeldname(d).isEmpty()) {
                return Drehfeldname(d) + QStringLiteral(": ") + Drehfeldwert(d);
            }
            break;
        case QAccessible::Value:
            return Drehfeldwert(d);
        case QAccessible::Description:
            if (d->accessibleDescription().isEmpty() && !Drehfeldbeschreibung(d).isEmpty()) {
                return Drehfeldbeschreibung(d);
            }
            break;
        default:
            break;
        }
        return QAccessibleWidget::text(art);
    }

    QStringList actionNames() const override {
        QStringList namen = QAccessibleWidget::actionNames();
        if (widget()->isEnabled()) {
            namen << increaseAction() << decreaseAction();
        }
        return namen;
    }

    void doAction(const QString& aktion) override {
        if (!widget()->isEnabled()) {
            return;
        }
        if (aktion == increaseAction()) {
            spinBox()->stepUp();
        } else if (aktion == decreaseAction()) {
            spinBox()->stepDown();
        } else {
            QAccessibleWidget::doAction(aktion);
        }
    }

    QAccessible::State state() const override {
        drehfeld();
        return QAccessibleWidget::state();
    }

    QVariant currentValue() const override {
        drehfeld();
        return spinBox()->property("value");
    }
    void setCurrentValue(const QVariant& wert) override {
        if (widget()->isEnabled()) {
            spinBox()->setProperty("value", wert);
        }
    }
    QVariant maximumValue() const override { return spinBox()->property("maximum"); }
    QVariant minimumValue() const override { return spinBox()->property("minimum"); }
    QVariant minimumStepSize() const override { return 1; }

private:
    QAbstractSpinBox* spinBox() const { return static_cast<QAbstractSpinBox*>(widget()); }

    // The game's spin control, once it is built. Qt reports the value changes
    // of its own spin boxes; this one's are reported from the first time a
    // screen reader has asked about it.
    Drehfeld* drehfeld() const {
        auto* d = qobject_cast<Drehfeld*>(widget());
        if (d != nullptr && !verbunden_) {
            verbunden_ = true;
            QObject::connect(d, &Drehfeld::valueChanged, d, [d](int wert) {
                QAccessibleValueChangeEvent änderung(d, wert);
                QAccessible::updateAccessibility(&änderung);
            });
        }
        return d;
    }

    mutable bool verbunden_ = false;
};

class Druckknopf : public QAccessibleWidget {
public:
    explicit Druckknopf(QPushButton* k) : QAccessibleWidget(k, QAccessible::Button) {}

    QString text(QAccessible::Text art) const override {
        const QPushButton* k = knopf();
        if (art == QAccessible::Name && k->accessibleName().isEmpty()) {
            const QString text = ohneKürzel(k->text());
            return qobject_cast<const Knopf*>(k) != nullptr ? ohneUmbruch(text) : text;
        }
        if (art == QAccessible::Description && k->accessibleDescription().isEmpty()) {
            return Knopfbeschreibung(k);
        }
        return QAccessibleWidget::text(art);
    }

    QAccessible::State state() const override {
        QAccessible::State zustand = QAccessibleWidget::state();
        const QPushButton* k = knopf();
        zustand.pressed = k->isDown();
        zustand.defaultButton = k->isDefault();
        zustand.checkable = k->isCheckable();
        zustand.checked = k->isChecked();
        return zustand;
    }

    QStringList actionNames() const override {
        QStringList namen;
        if (widget()->isEnabled()) {
            namen << (knopf()->isCheckable() ? toggleAction() : pressAction());
        }
        return namen + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& aktion) override {
        if (aktion == pressAction() || aktion == toggleAction()) {
            // Like a click with the mouse, handled after the screen reader's
            // request has returned: the button may open a modal box.
            if (widget()->isEnabled()) {
                knopf()->animateClick();
            }
            return;
        }
        QAccessibleWidget::doAction(aktion);
    }

private:
    QPushButton* knopf() const { return static_cast<QPushButton*>(widget()); }
};

// The main window's central widget holds the whole board.
class Spielbrett : public QAccessibleWidget {
public:
    explicit Spielbrett(QWidget* w) : QAccessibleWidget(w, QAccessible::Client) {}

    QString text(QAccessible::Text art) const override {
        if (art == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return QStringLiteral("Spielbrett");
        }
        return QAccessibleWidget::text(art);
    }
};

QAccessibleInterface* Fabrik(const QString& klasse, QObject* objekt) {
    if (!objekt->isWidgetType()) {
        return nullptr;
    }
    if (klasse == QLatin1String("QLabel")) {
        return new Anzeige(static_cast<QLabel*>(objekt));
    }
    if (klasse == QLatin1String("QPushButton")) {
        return new Druckknopf(static_cast<QPushButton*>(objekt));
    }
    if (klasse == QLatin1String("QAbstractSpinBox")) {
        return new Drehknopf(static_cast<QAbstractSpinBox*>(objekt));
    }
    if (klasse == QLatin1String("QWidget") && objekt->objectName() == QLatin1String("Zentrale") &&
        qobject_cast<frmQuorbix*>(objekt->parent()) != nullptr) {
        return new Spielbrett(static_cast<QWidget*>(objekt));
    }
    return nullptr;
}

} // namespace

void einrichten() {
    QAccessible::installFactory(Fabrik);
}

QString Farbname(int n) {
    if (n < 0 || n >= static_cast<int>(Farbnamen.size())) {
        return {};
    }
    return QString::fromUtf8(Farbnamen[static_cast<std::size_t>(n)]);
}

QString Farbname(const QColor& farbe) {
    for (int n = 0; n < static_cast<int>(quorbix::Palette.size()); ++n) {
        if (ui::PaletteFarbe(n).rgb() == farbe.rgb()) {
            return Farbname(n);
        }
    }
    return {};
}

QString Zelleninhalt(const QWidget* zelle) {
    const auto* l = qobject_cast<const QLabel*>(zelle);
    const QString text = l != nullptr ? l->text().trimmed() : QString();
    if (text == QLatin1String("?")) {
        return QStringLiteral("verdeckt");
    }
    if (!text.isEmpty()) {
        return text;
    }
    // An empty board cell is light grey; no symbol has that colour.
    const QColor hinten = ui::Hintergrund(zelle);
    if (!zelle->autoFillBackground() || hinten == ui::PaletteFarbe(quorbix::PaletteHellgrau)) {
        return QStringLiteral("leer");
    }
    const QString name = Farbname(hinten);
    return name.isEmpty() ? QStringLiteral("leer") : name;
}

QString ohneUmbruch(const QString& beschriftung) {
    // The hyphen and blank where the caption wraps inside its button.
    static const QRegularExpression umbruch(QStringLiteral("-\\s*(?=\\p{Ll})"));
    QString text = beschriftung;
    text.replace(umbruch, QString());
    return text.simplified();
}

} // namespace Barrierefreiheit
