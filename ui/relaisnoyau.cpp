#include "relaisnoyau.h"

#include "arbre.h"
#include "champsaisie.h"
#include "classeur.h"
#include "donneescommunes.h"
#include "identifiants.h"
#include "libelle.h"
#include "lien.h"
#include "repartition.h"
#include "texteutf8.h"
#include "zoneaffichage.h"

#include <string>
#include <string_view>

namespace {

std::string_view sansEspacesAutour(std::string_view texte) {
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) {
        return {};
    }
    return texte.substr(debut, texte.find_last_not_of(' ') - debut + 1);
}

} // namespace

namespace relais {

void lancerExercice(TdonneesCommunes& d, int index) {
    if (index < 0 || index > identifiant::dernierExercice) {
        return;
    }
    d.numeroExercice = index;
    d.codeChapitre = chapitreDExercice(index);
    d.numeroQuestion = 1;
    d.nombreQuestions = 1;
    if (d.zoneEnonce != nullptr) {
        viderZone(*d.zoneEnonce);
    }
    poserEnonce(d);
    if (d.PageControle != nullptr) {
        d.PageControle->pageActive = Onglet::Exercices;
    }
    if (d.ArbreChoixExercice != nullptr) {
        d.ArbreChoixExercice->selectionner(index);
    }
    if (d.LabelChapitreExercice != nullptr) {
        d.LabelChapitreExercice->texte = titreChapitre(d.codeChapitre + decalageTitre);
    }
    if (d.nombreChamps > 0) {
        donnerFocus(d, d.Edit1);
    }
}

void validerReponse(TdonneesCommunes& d) {
    for (int k = 1; k <= 3; ++k) {
        if (const TchampSaisie* champ = champReponse(d, k)) {
            const std::string coupe = texteutf8::couper(champ->texte, 120);
            d.reponseDonnee[k] = sansEspacesAutour(coupe);
        }
    }
    jugerReponse(d);
}

void boutonCorrection(TdonneesCommunes& d) {
    validerReponse(d);
}

void boutonReessayer(TdonneesCommunes&) {}

void boutonSolution(TdonneesCommunes&) {}

void boutonSuite(TdonneesCommunes&) {}

void boutonSommaire(TdonneesCommunes& d) {
    if (d.delaiBoutons > 0) {
        return;
    }
    if (d.PageControle != nullptr) {
        d.PageControle->pageActive = Onglet::Sommaire;
    }
    donnerFocus(d, d.ArbreChoixExercice);
}

void ticMinuterie(TdonneesCommunes&) {}

void boutonRetour(TdonneesCommunes& d) {
    if (d.nombreHistorique == 0) {
        return;
    }
    d.cibleLien = depilerHistorique(d);
    d.retourEnCours = true;
    suivreLien(d);
    d.retourEnCours = false;
}

void boutonCoursPrecedent(TdonneesCommunes&) {}

void boutonCoursSuivant(TdonneesCommunes&) {}

void boutonAvancer(TdonneesCommunes&) {}

void boutonReculer(TdonneesCommunes&) {}

void basculerCase(TdonneesCommunes&) {}

void dessinerCases(TdonneesCommunes&, QPainter&) {}

} // namespace relais
