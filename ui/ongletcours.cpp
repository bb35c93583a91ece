#include "ui/ongletcours.h"

#include "core/donneescommunes.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"

#include <QPalette>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

namespace {

void colorer(QWidget* w, unsigned couleur) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(couleur));
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

} // namespace

TsuiviCours::TsuiviCours(QScrollArea* defilement, QWidget* contenu)
    : defilement_(defilement), contenu_(contenu) {}

void TsuiviCours::suivre(const TdonneesCommunes& d) {
    const TzoneAffichage* zone = d.zoneCours.get();
    if (zone == nullptr || zone->boite == nullptr) {
        return;
    }
    const TboitePeinture& boite = *zone->boite;
    contenu_->resize(boite.largeur + 15, boite.hauteur);
    if (boite.couleur != couleurVue_) {
        couleurVue_ = boite.couleur;
        colorer(contenu_, boite.couleur);
        colorer(defilement_, boite.couleur);
        colorer(defilement_->viewport(), boite.couleur);
    }
    // Sans défilement horizontal : un bouton qui prend le focus au bord droit ne décale pas
    // la page.
    defilement_->horizontalScrollBar()->setValue(0);
    if (d.pageCours != pageVue_) {
        pageVue_ = d.pageCours;
        defilement_->verticalScrollBar()->setValue(0);
    }
}
