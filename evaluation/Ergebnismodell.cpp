#include "evaluation/Ergebnismodell.h"

#include "evaluation/engine/Eroeffnung.h"

namespace computersuche {

Ergebnismodell::Ergebnismodell(QObject* eltern) : QAbstractTableModel(eltern) {}

void Ergebnismodell::leeren() {
    beginResetModel();
    zeilen_ = 0;
    züge_ = nullptr;
    endResetModel();
}

void Ergebnismodell::neu(std::int16_t AnzahlFelder, std::int16_t AnzahlFarben,
                         const quorbix::Zugliste* züge) {
    beginResetModel();
    felder_ = AnzahlFelder;
    farben_ = AnzahlFarben;
    züge_ = züge;
    zeilen_ = 0;
    endResetModel();
}

void Ergebnismodell::zeigeBis(std::uint32_t anzahl) {
    if (anzahl <= zeilen_) {
        return;
    }
    beginInsertRows(QModelIndex(), static_cast<int>(zeilen_), static_cast<int>(anzahl - 1));
    zeilen_ = anzahl;
    endInsertRows();
}

int Ergebnismodell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(zeilen_);
}

int Ergebnismodell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : 2;
}

QVariant Ergebnismodell::data(const QModelIndex& index, int rolle) const {
    if (rolle != Qt::DisplayRole || !index.isValid() || züge_ == nullptr ||
        static_cast<std::uint32_t>(index.row()) >= zeilen_) {
        return {};
    }
    const auto nummer = static_cast<std::uint32_t>(index.row());
    if (index.column() == 0) {
        return QString::fromStdString(quorbix::Codetext(nummer, felder_, farben_));
    }
    return QString::number((*züge_)[nummer]);
}

QVariant Ergebnismodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal) {
        return {};
    }
    switch (abschnitt) {
    case 0:
        return QStringLiteral("Kombination");
    case 1:
        return QStringLiteral("Anzahl Züge");
    default:
        return {};
    }
}

} // namespace computersuche
