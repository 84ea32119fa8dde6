#include "rules/Knoepfe.h"

#include "rules/Spielstand.h"

namespace quorbix {

std::string_view Knopfbeschriftung(Knopfnummer k, const Spielstand& stand) {
    switch (k) {
    case Hauptknopf:
        return stand.Mensch() || stand.Zug() > 0 ? "Weiter" : "Start";
    case Richtigknopf:
        return stand.Mensch() ? "Auf- lösung" : "Alle richtig";
    default:
        return Knopftabelle[k].Beschriftung;
    }
}

std::string_view Knopfbeschreibung(Knopfnummer k, const Spielstand& stand) {
    if (k == Hauptknopf) {
        if (stand.Mensch()) {
            return "Versuch übernehmen und auswerten";
        }
        return stand.Zug() == 0 ? "Deine Kombination festlegen" : "Antwort übernehmen";
    }
    if (k == Richtigknopf && stand.Mensch()) {
        return "Aufgeben und die Lösung zeigen";
    }
    const Knopfdaten& daten = Knopftabelle[k];
    return daten.Beschreibung.empty() ? daten.Tipp : daten.Beschreibung;
}

namespace {

using enum Knopfrecht;

// By phase (rows in the order of Spielphase) and button: main, right/reveal,
// new game, Hilfe, Zug zurück, Stop, settings. While a message is due the
// buttons show the view the game had, and wait for it.
constexpr std::array<std::array<Knopfrecht, Knopfzahl>, 8> Knopfrechte{{
    {Wartet, Aus, Wartet, Aus, Aus, Aus, Wartet},       // Geleert: under the settings dialog
    {An, Aus, An, Aus, Aus, Aus, An},                   // NichtBegonnen
    {An, An, An, Aus, Aus, Aus, Aus},                   // Menschenzug
    {An, An, An, An, An, Aus, Aus},                     // WartetAufAntwort
    {Aus, Aus, Aus, Aus, Aus, An, Aus},                 // Sucht
    {An, An, An, An, An, Aus, Aus},                     // Unterbrochen
    {Wartet, Wartet, Wartet, Wartet, Wartet, Aus, Aus}, // Widerspruch
    {Wartet, Wartet, Wartet, Wartet, Wartet, Aus, Aus}, // Beendet
}};

} // namespace

Knopfrecht RechtVon(Knopfnummer k, const Spielstand& stand) {
    if (k < 0 || k >= Knopfzahl) {
        return Aus;
    }
    // "Hilfe" counts against the player's code, "Zug zurück" needs a move
    // to take back: both only while the computer guesses.
    if ((k == Hilfeknopf && stand.Mensch()) || (k == Korrekturknopf && !stand.ZugZurückMöglich())) {
        return Aus;
    }
    return Knopfrechte[static_cast<std::size_t>(stand.Phase())][static_cast<std::size_t>(k)];
}

std::array<bool, Knopfzahl> Knopfzustände(const Spielstand& stand) {
    std::array<bool, Knopfzahl> aktiv{};
    for (int k = 0; k < Knopfzahl; ++k) {
        aktiv[static_cast<std::size_t>(k)] = RechtVon(Knopfnummer(k), stand) != Aus;
    }
    return aktiv;
}

std::string Hinweistext(const Spielstand& stand) {
    const std::string zug = std::to_string(stand.Zug());
    if (stand.Mensch()) {
        return stand.Zug() <= 1 ? " Dein 1.Versuch !" : "Dein " + zug + ". Versuch !";
    }
    if (stand.Zug() == 0) {
        return " Deine Kombination ?";
    }
    return stand.FragtNachAntwort() ? "Deine " + zug + ". Antwort ?" : "";
}

std::optional<std::string> Zugfeldtext(const Spielstand& stand) {
    switch (stand.Zugfeld()) {
    case Zugfeldanzeige::Leer:
        break;
    case Zugfeldanzeige::Ziffern:
        if (!stand.Farben()) {
            std::string ziffern;
            for (int f = 1; f <= stand.AnzahlFelder(); ++f) {
                ziffern += std::to_string(stand.Kombination()[stand.Zug()][f]);
            }
            return ziffern;
        }
        break;
    case Zugfeldanzeige::IchDenke:
        // With numbers, the animation writes digits from the first frame on;
        // until then the field keeps what it said.
        if (!stand.Farben()) {
            return std::nullopt;
        }
        return "Ich denke ...";
    case Zugfeldanzeige::Unterbrechung:
        return "Unterbrechung !";
    case Zugfeldanzeige::WasNun:
        return "Was nun ?";
    }
    return "";
}

std::string Rahmentitel(const Spielstand& stand) {
    return (stand.Mensch() ? " Mensch überlegt : " : " Computer überlegt : ") +
           std::to_string(stand.AnzahlFarben()) +
           (stand.AnzahlFarben() == 1 ? " Farbe/Zahl" : " Farben/Zahlen");
}

std::string_view Lösungstitel(const Spielstand& stand) {
    return stand.Mensch() ? "Computerlösung" : "Deine Kombination";
}

std::string_view Meldungstext(Meldungsart art, const Spielstand& stand) {
    switch (art) {
    case Meldungsart::Keine:
        break;
    case Meldungsart::Bewertung:
        if (stand.Zug() <= 3) {
            return "Unglaublich gut !";
        }
        if (stand.Zug() <= 6) {
            return "Gut nachgedacht !";
        }
        if (stand.Zug() <= 10) {
            return "Okay. Aber es geht noch besser !";
        }
        return "Das ging gerade noch einmal gut !";
    case Meldungsart::KeineVersuche:
        return "Tut mir leid. Mehr Versuche gibts nicht !";
    case Meldungsart::Aufgegeben:
        return "Du Flasche !";
    case Meldungsart::Computersieg:
        return "Bin ich nicht gut ?";
    case Meldungsart::AngabenFalsch:
        return "Die Angaben sind falsch ! ";
    }
    return "";
}

} // namespace quorbix
