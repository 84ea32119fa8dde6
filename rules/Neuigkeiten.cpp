#include "rules/Neuigkeiten.h"

#include "rules/Farben.h"

namespace quorbix {

namespace {

std::string Anzahl(int n, const char* einer, const char* mehrere) {
    return std::to_string(n) + ' ' + (n == 1 ? einer : mehrere);
}

// The prompt without the blanks that place it.
std::string Aufforderung(const Spielstand& stand) {
    std::string text = Hinweistext(stand);
    const auto anfang = text.find_first_not_of(' ');
    return anfang == std::string::npos ? std::string() : text.substr(anfang);
}

// The prompt and, while the computer guesses, what its move field says
// below it.
std::string Frage(const Spielstand& stand) {
    std::string text = Aufforderung(stand);
    if (!stand.Mensch() && (stand.Zugfeld() == Zugfeldanzeige::WasNun ||
                            stand.Zugfeld() == Zugfeldanzeige::Unterbrechung)) {
        text += (text.empty() ? "" : " ") + Zugfeldtext(stand).value_or("");
    }
    return text;
}

std::string Computerzug(const Spielstand& stand) {
    return "Zug " + std::to_string(stand.Zug()) +
           " des Computers: " + Reihentext(stand, stand.Kombination()[stand.Zug()]) + ". ";
}

std::string AntwortAuf(const Spielstand& stand, int zug) {
    return "Antwort auf Zug " + std::to_string(zug) + ": " +
           Antworttext(stand.AntwortSchwarz()[zug], stand.AntwortWeiß()[zug]) + ". ";
}

// The answer on the arrows, open for correction.
std::string OffeneAntwort(const Spielstand& stand) {
    return "Deine Antwort auf Zug " + std::to_string(stand.Zug()) +
           " ist wieder offen: " + Antworttext(stand.EingabeSchwarz(), stand.EingabeWeiß()) + ". ";
}

std::string Lösung(const Spielstand& stand) {
    return "Lösung: " + Reihentext(stand, stand.Kombination()[0]) + ".";
}

std::string Menschenzug(const Spielstand& stand, const Schritt& schritt, const Vorher& vorher) {
    const int zug = vorher.Zug;
    if (zug == 0) {
        return "Zug 1: " + Reihentext(stand, stand.Kombination()[1]) + ". " + Frage(stand);
    }
    const std::string bewertet =
        "Zug " + std::to_string(zug) + ": " + Reihentext(stand, stand.Kombination()[zug]) +
        ". Antwort: " + Antworttext(stand.AntwortSchwarz()[zug], stand.AntwortWeiß()[zug]) + ". ";
    return bewertet + (schritt.Aufdecken ? Lösung(stand) : Frage(stand));
}

std::string Computerweiter(const Spielstand& stand, const Vorher& vorher) {
    if (vorher.Zug == 0) {
        return "Deine Kombination: " + Reihentext(stand, stand.Spielercode()) + ". " +
               Computerzug(stand) + Frage(stand);
    }
    if (vorher.Phase == Spielphase::Unterbrochen) {
        return "Die Suche geht weiter. Ich denke ...";
    }
    std::string text = AntwortAuf(stand, stand.Zug());
    if (stand.Phase() == Spielphase::Sucht) {
        return text + "Ich denke ...";
    }
    text.pop_back(); // a message follows
    return text;
}

} // namespace

std::optional<Anlass> Knopfanlass(Knopfnummer k) {
    switch (k) {
    case Hauptknopf:
        return Anlass::Weiter;
    case Richtigknopf:
        return Anlass::Richtig;
    case Hilfeknopf:
        return Anlass::Hilfe;
    case Korrekturknopf:
        return Anlass::Korrektur;
    case Stopknopf:
        return Anlass::Stop;
    case NeuesSpielKnopf:
        return Anlass::Spielbeginn;
    case Einstellungsknopf: // the settings dialog says itself what it is
    case Knopfzahl:
        break;
    }
    return std::nullopt;
}

std::string Reihentext(const Spielstand& stand, const Reihe& reihe) {
    std::string text;
    for (int f = 1; f <= stand.AnzahlFelder(); ++f) {
        const int symbol = reihe[f];
        text += f > 1 ? ", " : "";
        if (!stand.Farben()) {
            text += std::to_string(symbol);
        } else if (symbol >= 1 && symbol <= MaxFarben) {
            text += Farbnamen[static_cast<std::size_t>(stand.Farbtabelle()[symbol])];
        }
    }
    return text;
}

std::string Antworttext(int schwarz, int weiß) {
    if (schwarz <= 0 && weiß <= 0) {
        return "keine Stifte";
    }
    std::string text;
    if (schwarz > 0) {
        text = Anzahl(schwarz, "schwarzer Stift", "schwarze Stifte");
    }
    if (weiß > 0) {
        text += (text.empty() ? "" : ", ") + Anzahl(weiß, "weißer Stift", "weiße Stifte");
    }
    return text;
}

std::string Neuigkeit(Anlass anlass, const Spielstand& stand, const Schritt& schritt,
                      const Vorher& vorher) {
    switch (anlass) {
    case Anlass::Spielbeginn:
        return std::string("Neues Spiel, ") +
               (stand.Mensch() ? "du rätst: " : "der Computer rät: ") +
               Anzahl(stand.AnzahlFelder(), "Feld", "Felder") + ", " +
               (stand.Farben() ? Anzahl(stand.AnzahlFarben(), "Farbe", "Farben")
                               : Anzahl(stand.AnzahlFarben(), "Zahl", "Zahlen")) +
               ". " + Frage(stand);
    case Anlass::Weiter:
        return stand.Mensch() ? Menschenzug(stand, schritt, vorher) : Computerweiter(stand, vorher);
    case Anlass::Richtig:
        if (stand.Mensch()) {
            return Lösung(stand);
        }
        return "Alle richtig: der Computer hat deine Kombination in Zug " +
               std::to_string(stand.Zug()) + " gefunden.";
    case Anlass::Hilfe:
        return "Hilfe: Anzahl Schwarze " + std::to_string(stand.EingabeSchwarz()) +
               ", Anzahl Weiße " + std::to_string(stand.EingabeWeiß()) + ".";
    case Anlass::Korrektur:
        if (vorher.Phase == Spielphase::Unterbrochen) {
            return "Suche abgebrochen. " + Computerzug(stand) + OffeneAntwort(stand) + Frage(stand);
        }
        return "Zug " + std::to_string(vorher.Zug) + " zurückgenommen. " + Computerzug(stand) +
               OffeneAntwort(stand) + Frage(stand);
    case Anlass::Stop:
        return Zugfeldtext(stand).value_or("") + " Weiter setzt die Suche fort.";
    case Anlass::Suchende:
        if (schritt.Aufdecken) {
            return "Keine Züge mehr. " + Lösung(stand);
        }
        return stand.Phase() == Spielphase::WartetAufAntwort ? Computerzug(stand) + Frage(stand)
                                                             : "";
    case Anlass::AntwortOffen:
        return OffeneAntwort(stand) + Frage(stand);
    }
    return "";
}

std::string Auswertungsnachricht(bool fertig, std::uint32_t codes, int minimum, int maximum,
                                 const std::string& mittel) {
    std::string text = fertig ? "Auswertung fertig: " : "Auswertung angehalten: ";
    if (codes == 0) {
        return text + "keine Kombination.";
    }
    return text + Anzahl(static_cast<int>(codes), "Kombination", "Kombinationen") +
           ", kleinste Zahl der Züge " + std::to_string(minimum) + ", größte " +
           std::to_string(maximum) + ", Durchschnitt " + mittel + ".";
}

} // namespace quorbix
