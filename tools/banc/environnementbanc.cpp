#include "tools/banc/environnementbanc.h"

#include "core/controles/dispositionexercice.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"
#include "exercises/inscriptionchapitres.h"

namespace {

void poser(TplateformeScriptee& plateforme, TboitePeinture& boite, const Trectangle& r) {
    boite.largeur = r.largeur;
    boite.hauteur = r.hauteur;
    plateforme.placerBoite(boite, r);
}

} // namespace

EnvironnementBanc::EnvironnementBanc() {
    // Les zones de texte de l'exercice ont la taille et la place de la fenêtre, pour que les
    // figures s'y calent et que la mise en page se vérifie comme l'élève la voit.
    poser(plateforme, controles.zoneTexteEnonce, rectangleTexteEnonce);
    poser(plateforme, controles.ZoneTexteSolution, rectangleTexteSolution);
    plateforme.effacerJournal();
    inscrireChapitres();
}

bool questionPosee(const TdonneesCommunes& d) {
    return (d.zoneEnonce && d.zoneEnonce->nombreObjets() > 0) || d.nombreChamps > 0 ||
           d.modeReponse == modeReponseCases;
}
