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

struct AttachedTexts {
    Text name;
    Text description;
};

QHash<const QObject*, AttachedTexts>& registry() {
    static QHash<const QObject*, AttachedTexts> texts;
    return texts;
}

AttachedTexts& entry(QWidget* w) {
    auto gefunden = registry().find(w);
    if (gefunden == registry().end()) {
        QObject::connect(w, &QObject::destroyed, [](QObject* o) { registry().remove(o); });
        gefunden = registry().insert(w, {});
    }
    return gefunden.value();
}

// The attached text of that kind, or a null string if there is none.
QString attachedText(const QObject* o, QAccessible::Text art) {
    const auto gefunden = registry().constFind(o);
    if (gefunden == registry().cend()) {
        return {};
    }
    const Text& text = art == QAccessible::Name          ? gefunden->name
                       : art == QAccessible::Description ? gefunden->description
                                                         : Text();
    return text ? text() : QString();
}

// Qt asks for a widget's interface while the widget is still being built,
// before it has its final class or any attached text, and keeps the answer.
// So every label, push button and spin control gets one of the interfaces
// below, and each looks for attached texts only when it is asked.

class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    QAccessible::Role role() const override {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text art) const override {
        if (QString angehängt = attachedText(object(), art); !angehängt.isNull()) {
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

class AccessibleSpinBox : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleSpinBox(QAbstractSpinBox* d) : QAccessibleWidget(d, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType art) override {
        if (art == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(art);
    }

    QString text(QAccessible::Text art) const override {
        if (QString angehängt = attachedText(object(), art); !angehängt.isNull()) {
            return angehängt;
        }
        if (art == QAccessible::Value) {
            return shownValue();
        }
        if (art == QAccessible::Name && !widget()->accessibleName().isEmpty()) {
            return widget()->accessibleName() + QStringLiteral(": ") + shownValue();
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

    QVariant currentValue() const override { return spinBox()->property("value"); }
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
    QString shownValue() const {
        const auto* d = qobject_cast<const ui::Drehfeld*>(widget());
        if (d != nullptr && d->gebundenesLabel() != nullptr) {
            return Zelleninhalt(d->gebundenesLabel());
        }
        return spinBox()->property("value").toString();
    }
};

class AccessibleButton : public QAccessibleWidget {
public:
    explicit AccessibleButton(QPushButton* k) : QAccessibleWidget(k, QAccessible::Button) {}

    QString text(QAccessible::Text art) const override {
        if (QString angehängt = attachedText(object(), art); !angehängt.isNull()) {
            return angehängt;
        }
        if (art == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return button()->text();
        }
        return QAccessibleWidget::text(art);
    }

    QAccessible::State state() const override {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.pressed = button()->isDown();
        zustand.defaultButton = button()->isDefault();
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
            button()->animateClick();
        }
    }

private:
    QPushButton* button() const { return static_cast<QPushButton*>(widget()); }
};

QAccessibleInterface* factory(const QString& klasse, QObject* objekt) {
    if (!objekt->isWidgetType()) {
        return nullptr;
    }
    if (klasse == QLatin1String("QLabel")) {
        return new AccessibleLabel(static_cast<QLabel*>(objekt));
    }
    if (klasse == QLatin1String("QPushButton")) {
        return new AccessibleButton(static_cast<QPushButton*>(objekt));
    }
    if (klasse == QLatin1String("QAbstractSpinBox")) {
        return new AccessibleSpinBox(static_cast<QAbstractSpinBox*>(objekt));
    }
    return nullptr;
}

} // namespace

void einrichten() {
    // Qt asks the factory installed last first; its own comes with the
    // application object.
    static const bool eingerichtet = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)eingerichtet;
}

void setzeName(QWidget* w, Text text) {
    entry(w).name = std::move(text);
}

void setzeBeschreibung(QWidget* w, Text text) {
    entry(w).description = std::move(text);
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
