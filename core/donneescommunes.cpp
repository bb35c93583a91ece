#include "core/donneescommunes.h"

#include "core/controles/arbre.h"
#include "core/controles/barreetat.h"
#include "core/controles/bouton.h"
#include "core/controles/champsaisie.h"
#include "core/controles/classeur.h"
#include "core/controles/imagefenetre.h"
#include "core/controles/libelle.h"
#include "display/zones/zoneaffichage.h"

#include <array>
#include <utility>

TdonneesCommunes::TdonneesCommunes() = default;
TdonneesCommunes::~TdonneesCommunes() = default;
TdonneesCommunes::TdonneesCommunes(TdonneesCommunes&&) noexcept = default;
TdonneesCommunes& TdonneesCommunes::operator=(TdonneesCommunes&&) noexcept = default;

void initialiserDonneesCommunes(TdonneesCommunes& d) {
    // Un enregistrement neuf porte les valeurs de départ ; on y reporte ce qui n'est pas
    // remis à zéro : les zones, les contrôles liés, la plateforme et les textes libres.
    TdonneesCommunes neuf;
    neuf.zoneFigure = std::move(d.zoneFigure);
    neuf.zoneFigureSolution = std::move(d.zoneFigureSolution);
    neuf.zoneEnonce = std::move(d.zoneEnonce);
    neuf.zoneSolution = std::move(d.zoneSolution);
    neuf.zoneCours = std::move(d.zoneCours);
    neuf.zoneTexteImagiciel = std::move(d.zoneTexteImagiciel);
    neuf.zoneFigureImagiciel = std::move(d.zoneFigureImagiciel);
    neuf.zoneAccueil = std::move(d.zoneAccueil);
    neuf.LabelChapitreExercice = d.LabelChapitreExercice;
    neuf.LabelChapitreCours = d.LabelChapitreCours;
    neuf.LabelChapitreImagiciel = d.LabelChapitreImagiciel;
    neuf.LabelTitreExercice = d.LabelTitreExercice;
    neuf.LabelTitreImagiciel = d.LabelTitreImagiciel;
    neuf.Edit1 = d.Edit1;
    neuf.Edit2 = d.Edit2;
    neuf.Edit3 = d.Edit3;
    neuf.ZoneScoreExercice = d.ZoneScoreExercice;
    neuf.Timer = d.Timer;
    neuf.TimerAnimationAccueil = d.TimerAnimationAccueil;
    neuf.BoutonCoursSuivant = d.BoutonCoursSuivant;
    neuf.BoutonCoursPrecedent = d.BoutonCoursPrecedent;
    neuf.BoutonPourSexercer = d.BoutonPourSexercer;
    neuf.BoutonPourSexercerSF = d.BoutonPourSexercerSF;
    neuf.BoutonRetour = d.BoutonRetour;
    neuf.BoutonRetourSF = d.BoutonRetourSF;
    neuf.BoutonRevoirCours = d.BoutonRevoirCours;
    neuf.BoutonReculer = d.BoutonReculer;
    neuf.BoutonCorrection = d.BoutonCorrection;
    neuf.BoutonAvancer = d.BoutonAvancer;
    neuf.BoutonSolution = d.BoutonSolution;
    neuf.BoutonReessayer = d.BoutonReessayer;
    neuf.BoutonSommaire = d.BoutonSommaire;
    neuf.BoutonSuite = d.BoutonSuite;
    neuf.PageControle = d.PageControle;
    neuf.PageExercice = d.PageExercice;
    neuf.PageImagiciel = d.PageImagiciel;
    neuf.PageCours = d.PageCours;
    neuf.PageMenu = d.PageMenu;
    neuf.ArbreChoixCours = d.ArbreChoixCours;
    neuf.ArbreChoixExercice = d.ArbreChoixExercice;
    neuf.ArbreChoixImagiciel = d.ArbreChoixImagiciel;
    neuf.ScrollBoiteCours = d.ScrollBoiteCours;
    neuf.MediaPlayerErreur = d.MediaPlayerErreur;
    neuf.ImageFausse = d.ImageFausse;
    neuf.ImageIncorrecte = d.ImageIncorrecte;
    neuf.ImageSolution = d.ImageSolution;
    neuf.ImageExacte = d.ImageExacte;
    neuf.fondAccueil = d.fondAccueil;
    neuf.AproposActif = d.AproposActif;
    neuf.AproposNonActif = d.AproposNonActif;
    neuf.EntreeActif = d.EntreeActif;
    neuf.EntreeNonActif = d.EntreeNonActif;
    neuf.QuitterActif = d.QuitterActif;
    neuf.QuitterNonActif = d.QuitterNonActif;
    neuf.ImageCalculatrice = d.ImageCalculatrice;
    neuf.plateforme = d.plateforme;
    neuf.texte1 = std::move(d.texte1);
    neuf.texte2 = std::move(d.texte2);
    neuf.texte3 = std::move(d.texte3);
    neuf.titreExercice = std::move(d.titreExercice);
    d = std::move(neuf);
}

TchampSaisie* champReponse(const TdonneesCommunes& d, int k) {
    switch (k) {
    case 1:
        return d.Edit1;
    case 2:
        return d.Edit2;
    case 3:
        return d.Edit3;
    default:
        return nullptr;
    }
}

void donnerFocus(TdonneesCommunes& d, Tcontrole* controle) {
    const std::array<Tcontrole*, 44> controles{d.LabelChapitreExercice,
                                               d.LabelChapitreCours,
                                               d.LabelChapitreImagiciel,
                                               d.LabelTitreExercice,
                                               d.LabelTitreImagiciel,
                                               d.Edit1,
                                               d.Edit2,
                                               d.Edit3,
                                               d.ZoneScoreExercice,
                                               d.BoutonCoursSuivant,
                                               d.BoutonCoursPrecedent,
                                               d.BoutonPourSexercer,
                                               d.BoutonPourSexercerSF,
                                               d.BoutonRetour,
                                               d.BoutonRetourSF,
                                               d.BoutonRevoirCours,
                                               d.BoutonReculer,
                                               d.BoutonCorrection,
                                               d.BoutonAvancer,
                                               d.BoutonSolution,
                                               d.BoutonReessayer,
                                               d.BoutonSommaire,
                                               d.BoutonSuite,
                                               d.PageControle,
                                               d.PageExercice,
                                               d.PageImagiciel,
                                               d.PageCours,
                                               d.PageMenu,
                                               d.ArbreChoixCours,
                                               d.ArbreChoixExercice,
                                               d.ArbreChoixImagiciel,
                                               d.ScrollBoiteCours,
                                               d.ImageFausse,
                                               d.ImageIncorrecte,
                                               d.ImageSolution,
                                               d.ImageExacte,
                                               d.fondAccueil,
                                               d.AproposActif,
                                               d.AproposNonActif,
                                               d.EntreeActif,
                                               d.EntreeNonActif,
                                               d.QuitterActif,
                                               d.QuitterNonActif,
                                               d.ImageCalculatrice};
    for (Tcontrole* c : controles) {
        if (c != nullptr) {
            c->focus = false;
        }
    }
    if (controle != nullptr) {
        controle->focus = true;
    }
}

void empilerHistorique(TdonneesCommunes& d, int page) {
    if (d.nombreHistorique < 0) {
        d.nombreHistorique = 0;
    }
    if (d.nombreHistorique >= tailleHistorique) {
        for (int i = 1; i < tailleHistorique; ++i) {
            d.historique[i] = d.historique[i + 1];
        }
        d.nombreHistorique = tailleHistorique - 1;
    }
    d.nombreHistorique += 1;
    d.historique[d.nombreHistorique] = page;
}

int depilerHistorique(TdonneesCommunes& d) {
    if (d.nombreHistorique <= 0) {
        d.nombreHistorique = 0;
        return 0;
    }
    if (d.nombreHistorique > tailleHistorique) {
        d.nombreHistorique = tailleHistorique;
    }
    const int page = d.historique[d.nombreHistorique];
    d.nombreHistorique -= 1;
    return page;
}
