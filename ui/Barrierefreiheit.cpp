#include "ui/Barrierefreiheit.h"

#include "rules/Farben.h"
#include "ui/Drehfeld.h"
#include "ui/Steuerelemente.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <array>

namespace Barrierefreiheit {

namespace {

// Names of the 16 palette colours, by palette index.
constexpr std::array<const char*, 16> Farbnamen{
    "Schwarz",    "Blau",        "Grün", "Türkis",   "Dunkelrot", "Magenta",
    "Dunkelgelb", "Hellgrau",    "Grau", "Hellblau", "Hellgrün",  "Helltürkis",
    "Hellrot",    "Hellmagenta", "Gelb", "Weiß"};

struct Texte {
    Text name;
    Text beschreibung;
};

QHash<const QObject*, Texte>& Register() {
    static QHash<const QObject*, Texte> register_;
    return register_;
}

Texte& Eintrag(QWidget* w) {
    auto gefunden = Register().find(w);
    if (gefunden == Register().end()) {
        QObject::connect(w, &QObject::destroyed, [](QObject* o) { Register().remove(o); });
        gefunden = Register().insert(w, {});
    }
    return gefunden.value();
}

// The attached text of that kind, or a null string if there is none.
QString Angehängt(const QObject* o, QAccessible::Text art) {
    const auto gefunden = Register().constFind(o);
    if (gefunden == Register().cend()) {
        return {};
    }
    const Text& text = art == QAccessible::Name          ? gefunden->name
                       : art == QAccessible::Description ? gefunden->beschreibung
                                                         : Text();
    return text ? text() : QString();
}

// Qt asks for a widget's interface while the widget is still being built,
// before it has its final class or any attached text, and keeps the answer.
// So every label, push button and spin control gets one of the interfaces
// below, and each looks for attached texts only when it is asked.

class Anzeige : public QAccessibleWidget {
public:
    explicit Anzeige(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text art) const override {
        if (QString angehängt = Angehängt(object(), art); !angehängt.isNull()) {
            return angehängt;
        }
        if (art == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            // The runs of blanks that place a caption's pieces say nothing.
            return label()->text().simplified();
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
        verbinde();
        if (QString angehängt = Angehängt(object(), art); !angehängt.isNull()) {
            return angehängt;
        }
        if (art == QAccessible::Value) {
            return wert();
        }
        if (art == QAccessible::Name && !widget()->accessibleName().isEmpty()) {
            return widget()->accessibleName() + QStringLiteral(": ") + wert();
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

    QVariant currentValue() const override {
        verbinde();
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

    // The game's spin control shows its value in its label: as a number or,
    // for a symbol, as a colour.
    QString wert() const {
        const auto* d = qobject_cast<const Drehfeld*>(widget());
        if (d != nullptr && d->gebundenesLabel() != nullptr) {
            return Zelleninhalt(d->gebundenesLabel());
        }
        return spinBox()->property("value").toString();
    }

    // Qt reports the value changes of its own spin boxes; the game's are
    // reported from the first time a screen reader has asked about one.
    void verbinde() const {
        auto* d = qobject_cast<Drehfeld*>(widget());
        if (d != nullptr && !verbunden_) {
            verbunden_ = true;
            QObject::connect(d, &Drehfeld::valueChanged, d, [d](int wert) {
                QAccessibleValueChangeEvent änderung(d, wert);
                QAccessible::updateAccessibility(&änderung);
            });
        }
    }

    mutable bool verbunden_ = false;
};

class Druckknopf : public QAccessibleWidget {
public:
    explicit Druckknopf(QPushButton* k) : QAccessibleWidget(k, QAccessible::Button) {}

    QString text(QAccessible::Text art) const override {
        if (QString angehängt = Angehängt(object(), art); !angehängt.isNull()) {
            return angehängt;
        }
        if (art == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return knopf()->text();
        }
        return QAccessibleWidget::text(art);
    }

    QAccessible::State state() const override {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.pressed = knopf()->isDown();
        zustand.defaultButton = knopf()->isDefault();
        return zustand;
    }

    QStringList actionNames() const override {
        QStringList namen;
        if (widget()->isEnabled()) {
            namen << pressAction();
        }
        return namen + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& aktion) override {
        if (aktion != pressAction()) {
            QAccessibleWidget::doAction(aktion);
        } else if (widget()->isEnabled()) {
            // Like a click with the mouse, handled after the screen reader's
            // request has returned: the button may open a modal box.
            knopf()->animateClick();
        }
    }

private:
    QPushButton* knopf() const { return static_cast<QPushButton*>(widget()); }
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
    return nullptr;
}

} // namespace

void einrichten() {
    // Qt asks the factory installed last first; its own comes with the
    // application object.
    static const bool eingerichtet = [] {
        QAccessible::installFactory(Fabrik);
        return true;
    }();
    (void)eingerichtet;
}

void setzeName(QWidget* w, Text text) {
    Eintrag(w).name = std::move(text);
}

void setzeBeschreibung(QWidget* w, Text text) {
    Eintrag(w).beschreibung = std::move(text);
}

void benenneMitText(QLabel* l, const QString& was) {
    setzeName(l, [l, was] {
        const QString text = l->text().simplified();
        return text.isEmpty() ? was : was + QStringLiteral(": ") + text;
    });
}

void benenneZelle(QLabel* zelle, const QString& wo) {
    setzeName(zelle, [zelle, wo] { return wo + QStringLiteral(": ") + Zelleninhalt(zelle); });
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
    for (std::size_t n = 0; n < Farbnamen.size(); ++n) {
        if (ui::PaletteFarbe(static_cast<int>(n)).rgb() == hinten.rgb()) {
            return QString::fromUtf8(Farbnamen[n]);
        }
    }
    return QStringLiteral("leer");
}

} // namespace Barrierefreiheit
