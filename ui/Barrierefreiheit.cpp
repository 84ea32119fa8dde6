#include "ui/Barrierefreiheit.h"

#include "rules/Farben.h"
#include "ui/Drehfeld.h"
#include "ui/Steuerelemente.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <optional>
#include <tuple>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

// The application's root on the accessibility bus, as AT-SPI's events name it.
struct Anwendungsverweis {
    QString dienst;
    QDBusObjectPath pfad;
};
Q_DECLARE_METATYPE(Anwendungsverweis)

QDBusArgument& operator<<(QDBusArgument& argument, const Anwendungsverweis& verweis) {
    argument.beginStructure();
    argument << verweis.dienst << verweis.pfad;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Anwendungsverweis& verweis) {
    argument.beginStructure();
    argument >> verweis.dienst >> verweis.pfad;
    argument.endStructure();
    return argument;
}
#endif

namespace ui {

namespace {

struct AttachedTexts {
    QWidget* widget = nullptr;
    Textquelle name;
    Textquelle description;
    // The name is the interface's own, but watched like an attached one.
    bool nameBeobachtet = false;
    // What screen readers last heard, for meldeÄnderungen; nothing yet:
    // what the first look finds.
    std::optional<QString> gemeldeterName;
    std::optional<QString> gemeldeteBeschreibung;
};

QHash<const QObject*, AttachedTexts>& registry() {
    static QHash<const QObject*, AttachedTexts> texts;
    return texts;
}

AttachedTexts& entry(QWidget* w) {
    auto gefunden = registry().find(w);
    if (gefunden == registry().end()) {
        QObject::connect(w, &QObject::destroyed, [](QObject* o) { registry().remove(o); });
        gefunden = registry().insert(w, {w, {}, {}, false, {}, {}});
    }
    return gefunden.value();
}

// The attached text of that kind, or a null string if there is none.
QString attachedText(const QObject* o, QAccessible::Text art) {
    const auto gefunden = registry().constFind(o);
    if (gefunden == registry().cend()) {
        return {};
    }
    const Textquelle& text = art == QAccessible::Name          ? gefunden->name
                             : art == QAccessible::Description ? gefunden->description
                                                               : Textquelle();
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

    // A label with a buddy labels it, as Qt's own label interface says, so
    // a screen reader does not read it again among a window's loose texts.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto r = QAccessibleWidget::relations(match);
        if (QAccessibleInterface* für = QAccessible::queryAccessibleInterface(label()->buddy());
            für != nullptr && (match & QAccessible::Labelled) != 0) {
            r.append({für, QAccessible::Labelled});
        }
        return r;
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
            // A screen reader says the value after the name: the name adds
            // what the label shows only where that is not the value (a colour).
            const QString gezeigt = shownValue();
            if (gezeigt == spinBox()->property("value").toString()) {
                return widget()->accessibleName();
            }
            return widget()->accessibleName() + QStringLiteral(": ") + gezeigt;
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

// A line that only divides the panel: nothing to read, and no window.
class AccessibleLine : public QAccessibleWidget {
public:
    explicit AccessibleLine(QWidget* w) : QAccessibleWidget(w, QAccessible::Separator) {}
    QString text(QAccessible::Text) const override { return {}; }
};

// A surface whose children are read line by line, then its containers.
class AccessibleSurface : public QAccessibleWidget {
public:
    explicit AccessibleSurface(QWidget* w) : QAccessibleWidget(w, QAccessible::Client) {}

    int childCount() const override { return static_cast<int>(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> kinder = children();
        return index >= 0 && index < kinder.size()
                   ? QAccessible::queryAccessibleInterface(kinder[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        return kind == nullptr ? -1 : static_cast<int>(children().indexOf(kind->object()));
    }

private:
    QList<QWidget*> children() const {
        QList<QWidget*> kinder;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w != nullptr && !w->isWindow() &&
                !o->objectName().startsWith(QLatin1String("qt_"))) {
                kinder << w;
            }
        }
        const auto rang = [](const QWidget* w) {
            const bool behälter = !w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
            return std::tuple(behälter, w->y(), w->x());
        };
        std::stable_sort(kinder.begin(), kinder.end(),
                         [&](const QWidget* a, const QWidget* b) { return rang(a) < rang(b); });
        return kinder;
    }
};

// Before Qt 6.8 news is said by a notification that is "shown" for the
// screen reader alone: the widget itself stays hidden.
class AccessibleNews : public QAccessibleWidget {
public:
    explicit AccessibleNews(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QString text(QAccessible::Text art) const override {
        return art == QAccessible::Name ? widget()->property(Nachrichtentext).toString()
                                        : QString();
    }
    static constexpr const char* Nachrichtentext = "Nachricht";
};

constexpr const char* Lesefolge = "Lesefolge";
constexpr const char* Nachrichtenname = "Ansage";

QAccessibleInterface* factory(const QString& klasse, QObject* objekt) {
    if (!objekt->isWidgetType()) {
        return nullptr;
    }
    auto* w = static_cast<QWidget*>(objekt);
    if (w->property(Lesefolge).toBool()) {
        return new AccessibleSurface(w);
    }
    if (objekt->objectName() == QLatin1String(Nachrichtenname)) {
        return new AccessibleNews(w);
    }
    if (klasse == QLatin1String("QFrame")) {
        const auto* f = static_cast<QFrame*>(objekt);
        if (f->frameShape() == QFrame::HLine || f->frameShape() == QFrame::VLine) {
            return new AccessibleLine(w);
        }
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

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt's AT-SPI bridge before 6.8 sends a changed name or description with the
// object's path where the new text belongs, which screen readers cannot say
// (Orca: "bad content sent to speak()"), and a table view claims the focus
// for its current cell whether it has the focus or not. This handler sends
// those changes itself, on the bridge's own connection to the accessibility
// bus, as the later bridge does, drops the false focus, and hands every other
// event to Qt.
void anQt(QAccessibleEvent* ereignis);

bool sendeÄnderung(QAccessibleInterface* iface, QAccessible::Text art) {
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected()) {
        return false;
    }
    static const bool registriert = [] {
        qDBusRegisterMetaType<Anwendungsverweis>();
        return true;
    }();
    (void)registriert;
    const QString präfix = QStringLiteral("/org/a11y/atspi/accessible/");
    QDBusMessage signal = QDBusMessage::createSignal(
        präfix + QString::number(QAccessible::uniqueId(iface)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << (art == QAccessible::Name ? QStringLiteral("accessible-name")
                                        : QStringLiteral("accessible-description"))
           << 0 << 0 << QVariant::fromValue(QDBusVariant(iface->text(art)))
           << QVariant::fromValue(
                  Anwendungsverweis{bus.baseService(), QDBusObjectPath(präfix + "root")});
    return bus.send(signal);
}

void alteBrücke(QAccessibleEvent* ereignis) {
    QAccessibleInterface* iface = ereignis->accessibleInterface();
    switch (ereignis->type()) {
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
        if (iface != nullptr && iface->isValid() &&
            sendeÄnderung(iface, ereignis->type() == QAccessible::NameChanged
                                     ? QAccessible::Name
                                     : QAccessible::Description)) {
            return;
        }
        break;
    case QAccessible::Focus:
        if (const auto* w = qobject_cast<const QWidget*>(ereignis->object());
            w != nullptr && !w->hasFocus()) {
            return;
        }
        break;
    case QAccessible::TableModelChanged:
        // Qt has brought the table's interface up to date before the handler;
        // this bridge has nothing to send for it.
        return;
    default:
        break;
    }
    anQt(ereignis);
}

void anQt(QAccessibleEvent* ereignis) {
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(ereignis);
    QAccessible::installUpdateHandler(alteBrücke);
}
#endif

class FokusWächter : public QObject {
public:
    explicit FokusWächter(QAbstractItemView* liste) : QObject(liste) {}

    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        // A list being destroyed still gets its focus events from QWidget's
        // destructor, when it is no item view any more.
        auto* liste = qobject_cast<QAbstractItemView*>(objekt);
        if (liste != nullptr && liste->selectionModel() != nullptr) {
            QItemSelectionModel* auswahl = liste->selectionModel();
            if (ereignis->type() == QEvent::FocusIn) {
                const QModelIndexList zeilen = auswahl->selectedRows();
                if (!zeilen.isEmpty()) {
                    auswahl->setCurrentIndex(zeilen.last(), QItemSelectionModel::NoUpdate);
                }
            } else if (ereignis->type() == QEvent::FocusOut) {
                auswahl->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
            }
        }
        return false;
    }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The hidden notification that says a window's news before Qt 6.8. There
// are two, taken in turn: a screen reader drops a notification shown again
// by the same object before it has said it (Orca 43 keeps only the newest
// event of an object), and the news of two steps can follow at once.
QWidget* nachrichtVon(QWidget* fenster) {
    static unsigned zähler = 0;
    QList<QWidget*> ansagen =
        fenster->findChildren<QWidget*>(QLatin1String(Nachrichtenname), Qt::FindDirectChildrenOnly);
    while (ansagen.size() < 2) {
        auto* ansage = new QWidget(fenster);
        ansage->setObjectName(QLatin1String(Nachrichtenname));
        ansage->setGeometry(0, 0, 0, 0);
        ansage->hide();
        ansagen << ansage;
    }
    return ansagen[static_cast<int>(zähler++ % 2)];
}
#endif

// What clients hear of begins when the first one connects: what the controls
// say then is what it finds.
class Beobachter : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool aktiv) override {
        for (AttachedTexts& texte : registry()) {
            texte.gemeldeterName.reset();
            texte.gemeldeteBeschreibung.reset();
        }
        if (aktiv) {
            meldeÄnderungen();
        }
    }
};

} // namespace

void einrichten() {
    // Qt asks the factory installed last first; its own comes with the
    // application object.
    static const bool eingerichtet = [] {
        QAccessible::installFactory(factory);
        static Beobachter beobachter;
        QAccessible::installActivationObserver(&beobachter);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        QAccessible::installUpdateHandler(alteBrücke);
#endif
        return true;
    }();
    (void)eingerichtet;
}

void beobachteName(QWidget* w) {
    entry(w).nameBeobachtet = true;
}

void setzeFestenNamen(QWidget* w, const QString& name) {
    if (w->accessibleName() != name) {
        w->setAccessibleName(name);
    }
}

void setzeFesteBeschreibung(QWidget* w, const QString& beschreibung) {
    if (w->accessibleDescription() != beschreibung) {
        w->setAccessibleDescription(beschreibung);
    }
}

void fokusNurMitFokus(QAbstractItemView* liste) {
    liste->installEventFilter(new FokusWächter(liste));
}

void zeigeZeile(QAbstractItemView* liste, int zeile) {
    const QModelIndex index = liste->model()->index(zeile, 0);
    if (liste->hasFocus()) {
        liste->setCurrentIndex(index);
        return;
    }
    liste->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect |
                                               QItemSelectionModel::Rows);
    liste->scrollTo(index);
}

void ordneNachLesefolge(QWidget* fläche) {
    fläche->setProperty(Lesefolge, true);
}

void meldeÄnderungen() {
    if (!QAccessible::isActive()) {
        return;
    }
    for (AttachedTexts& texte : registry()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(texte.widget);
        if (iface == nullptr) {
            continue;
        }
        const auto melde = [&](bool beobachtet, std::optional<QString>& gemeldet,
                               QAccessible::Text art, QAccessible::Event änderung) {
            if (!beobachtet) {
                return;
            }
            QString neu = iface->text(art);
            const bool neuigkeit = gemeldet.has_value() && neu != *gemeldet;
            gemeldet = std::move(neu);
            if (neuigkeit) {
                QAccessibleEvent ereignis(texte.widget, änderung);
                QAccessible::updateAccessibility(&ereignis);
            }
        };
        melde(texte.name || texte.nameBeobachtet, texte.gemeldeterName, QAccessible::Name,
              QAccessible::NameChanged);
        melde(bool(texte.description), texte.gemeldeteBeschreibung, QAccessible::Description,
              QAccessible::DescriptionChanged);
    }
}

void sage(QWidget* fenster, const QString& text) {
    if (!QAccessible::isActive() || text.isEmpty()) {
        return;
    }
    fenster = fenster->window();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent nachricht(fenster, text);
    nachricht.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&nachricht);
#else
    // Screen readers of that time (Orca 43) know no announcements; they say
    // a notification as it is shown.
    QWidget* ansage = nachrichtVon(fenster);
    ansage->setProperty(AccessibleNews::Nachrichtentext, text);
    QAccessibleEvent gezeigt(ansage, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&gezeigt);
#endif
}

void setzeName(QWidget* w, Textquelle text) {
    AttachedTexts& texte = entry(w);
    texte.gemeldeterName = text();
    if (qobject_cast<QLabel*>(w) != nullptr && w->accessibleName().isEmpty()) {
        // With a name of its own a label announces no caption of its own:
        // meldeÄnderungen says what changed, once.
        w->setAccessibleName(*texte.gemeldeterName);
    }
    texte.name = std::move(text);
}

void setzeBeschreibung(QWidget* w, Textquelle text) {
    AttachedTexts& texte = entry(w);
    texte.gemeldeteBeschreibung = text();
    texte.description = std::move(text);
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
    for (std::size_t n = 0; n < quorbix::Farbnamen.size(); ++n) {
        if (ui::PaletteFarbe(static_cast<int>(n)).rgb() == hinten.rgb()) {
            return QString::fromUtf8(quorbix::Farbnamen[n]);
        }
    }
    return QStringLiteral("leer");
}

} // namespace ui
