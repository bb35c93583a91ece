#include "core/exercice/exercice.h"

#include "core/arbres/arbreexercices.h"
#include "core/controles/arbre.h"
#include "core/controles/barreetat.h"
#include "core/controles/bouton.h"
#include "core/controles/champsaisie.h"
#include "core/controles/classeur.h"
#include "core/controles/libelle.h"
#include "core/controles/minuterie.h"
#include "core/donneescommunes.h"
#include "core/exercice/bilan.h"
#include "core/exercice/champsreponse.h"
#include "core/exercice/repartition.h"
#include "core/identifiants.h"
#include "core/plateforme/plateforme.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/zoneaffichage.h"

#include <string>

namespace {

void cacher(Tbouton* bouton) {
    if (bouton != nullptr) {
        bouton->visible = false;
    }
}

void montrerSi(Tbouton* bouton, bool visible) {
    if (bouton != nullptr) {
        bouton->visible = visible;
    }
}

void vider(std::unique_ptr<TzoneAffichage>& zone) {
    if (zone) {
        viderZone(*zone);
    }
}

void cacherBoite(std::unique_ptr<TzoneAffichage>& zone) {
    if (zone && zone->boite != nullptr) {
        zone->boite->visible = false;
    }
}

// Sélectionne l'exercice dans l'arbre et replie la racine de tous les autres chapitres.
void montrerDansLArbre(TdonneesCommunes& d) {
    Tarbre* arbre = d.ArbreChoixExercice;
    if (arbre == nullptr || arbre->contenu == nullptr) {
        return;
    }
    arbre->selectionner(d.numeroExercice);
    const int racine = arbre->contenu->racine(d.numeroExercice);
    for (int i = 0; i < arbre->contenu->nombreNoeuds(); ++i) {
        if (arbre->contenu->noeuds[static_cast<std::size_t>(i)].niveau == 0 && i != racine) {
            arbre->replier(i);
        }
    }
}

} // namespace

void effacerSolution(TdonneesCommunes& d) {
    vider(d.zoneSolution);
    cacherBoite(d.zoneFigureSolution);
    vider(d.zoneFigureSolution);
}

void redessinerZonesExercice(TdonneesCommunes& d) {
    if (d.plateforme == nullptr) {
        return;
    }
    for (const auto* zone :
         {&d.zoneEnonce, &d.zoneFigure, &d.zoneSolution, &d.zoneFigureSolution}) {
        if (*zone) {
            d.plateforme->redessinerZone(zone->get());
        }
    }
}

void lancerExercice(TdonneesCommunes& d, int index) {
    if (!arbreExercices().contient(index)) {
        return;
    }
    if (d.exerciceEnCours &&
        (d.plateforme == nullptr ||
         !d.plateforme->demanderOuiNon("Confirmation", "Voulez-vous vraiment abandonner\r\n"
                                                       "l'exercice en cours\u00A0?"))) {
        return;
    }
    if (d.PageExercice != nullptr) {
        d.PageExercice->visible = true;
        d.PageExercice->actif = true;
    }
    d.numeroExercice = index;
    if (d.Timer != nullptr && d.plateforme != nullptr) {
        d.plateforme->arreterMinuterie(*d.Timer);
    }
    poserQuestion(d, false);
    if (d.PageControle != nullptr) {
        d.PageControle->pageActive = Onglet::Exercices;
        if (d.plateforme != nullptr) {
            d.plateforme->redessinerControle(d.PageControle);
        }
    }
    if (d.nombreChamps > 0) {
        donnerFocus(d, d.Edit1);
    }
}

void poserQuestion(TdonneesCommunes& d, bool suite) {
    if (!suite) {
        d.codeChapitre = chapitreDExercice(d.numeroExercice);
        d.scoreSerie = 0;
        d.scoreSerieMax = 0;
        d.exercicesAbordes += 1;
        d.numeroQuestion = 1;
        d.nombreQuestions = 1;
        if (d.ZoneScoreExercice != nullptr) {
            d.ZoneScoreExercice->texte = ligneScore();
        }
        d.exerciceEnCours = true;
        cacher(d.BoutonSommaire);
    }

    cacherBoite(d.zoneFigure);
    d.delaiBoutons = 0;
    cacher(d.BoutonSuite);
    cacher(d.BoutonSolution);
    d.pageCoursLiee = 0;
    d.premierFauxSeulement = false;
    d.reponseVidePermise.remplir(false);
    effacerSolution(d);
    vider(d.zoneEnonce);
    vider(d.zoneFigure);
    if (d.zoneEnonce) {
        d.zoneEnonce->marge = 10;
    }
    d.titreExercice.clear();
    d.lettresPoints.clear();
    d.choixUnique = false;
    d.correctionVisible = true;
    d.modeReponse = modeReponseSaisie;
    d.points = 0;
    d.bareme = 1;
    d.espacementCases = 5;
    preparerChampsReponse(d, 0);
    d.questionTerminee = false;
    d.essai = 1;

    if (suite) {
        d.numeroQuestion += 1;
    }

    // Tout ce que la question possède repart de sa valeur de départ : rien d'une question
    // précédente ne se juge ni ne s'écrit dans la suivante.
    for (int k = 1; k <= 3; ++k) {
        d.reponseDonnee[k].clear();
        d.valeurDonnee[k] = 0;
        d.lettresPermises[k].clear();
        d.precision[k] = 1e-9;
        d.typeReponse[k] = TgenreReponse::nombre;
        d.reponseAttendue[k].clear();
        d.valeurAttendue[k] = 0;
    }
    d.codeVerdict = Tverdict::aucun;
    d.verdictsChamps.remplir(Tverdict::aucun);
    d.texte1.clear();
    d.texte2.clear();
    d.texte3.clear();
    d.nombreCases = 0;
    d.champAReprendre = 1;
    d.solutionPermise = false;
    d.solutionDemandee = false;
    for (TcaseChoix& c : d.cases) {
        c.active = false;
    }
    // Les cases justes et choisies d'une question précédente ne doivent pas compter.
    d.casesJustes.reset();
    d.casesChoisies.reset();
    d.caseJuste = 0;

    // L'unité ne doit jamais laisser une série vide : au moins une question.
    d.nombreQuestions = 1;
    poserEnonce(d);
    if (d.nombreQuestions < 1) {
        d.nombreQuestions = 1;
    }

    montrerSi(d.BoutonRevoirCours, d.pageCoursLiee != 0);
    montrerSi(d.BoutonCorrection, d.correctionVisible);

    if (d.LabelTitreExercice != nullptr) {
        std::string titre = std::string(18, ' ') + d.titreExercice;
        if (d.nombreQuestions > 1) {
            titre += " (" + std::to_string(d.numeroQuestion) + "/" +
                     std::to_string(d.nombreQuestions) + ")";
        }
        d.LabelTitreExercice->texte = std::move(titre);
    }
    if (d.LabelChapitreExercice != nullptr) {
        d.LabelChapitreExercice->texte = std::string(titreChapitre(d.codeChapitre + decalageTitre));
    }

    if (suite) {
        redessinerZonesExercice(d);
        if (d.nombreChamps > 0) {
            donnerFocus(d, d.Edit1);
        }
    }
    montrerDansLArbre(d);
}
