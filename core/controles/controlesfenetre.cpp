#include "core/controles/controlesfenetre.h"

#include "core/arbres/arbrecours.h"
#include "core/arbres/arbreexercices.h"
#include "core/arbres/arbreimagiciels.h"
#include "core/donneescommunes.h"
#include "display/zones/zoneaffichage.h"

namespace {

void dimensionner(TboitePeinture& boite, int largeur, int hauteur, Tcouleur couleur, bool visible) {
    boite.largeur = largeur;
    boite.hauteur = hauteur;
    boite.couleur = couleur;
    boite.visible = visible;
}

} // namespace

TcontrolesFenetre::TcontrolesFenetre()
    : ArbreChoixCours(arbreCours()), ArbreChoixExercice(arbreExercices()),
      ArbreChoixImagiciel(arbreImagiciels()) {
    TimerAnimationAccueil.intervalle = 100;

    BoutonCoursPrecedent.indication = "Cours précédent dans le même chapitre";
    BoutonCoursSuivant.indication = "Cours suivant dans le même chapitre";
    BoutonSuite.indication = "Pour la question suivante de la série";
    BoutonSolution.indication = "Pour faire afficher la solution";
    BoutonReessayer.indication = "Pour corriger la réponse";
    BoutonCorrection.indication = "Pour obtenir une correction de la réponse";
    BoutonSommaire.indication = "Pour choisir un autre exercice";
    BoutonAvancer.indication = "Vers l'étape suivante de la construction";
    BoutonReculer.indication = "Vers l'étape précédente de la construction";

    for (TchampSaisie* champ : {&Edit1, &Edit2, &Edit3}) {
        champ->gauche = 300;
    }
    for (Tbouton* bouton : {&BoutonCorrection, &BoutonSolution, &BoutonSuite, &BoutonReessayer,
                            &BoutonSommaire, &BoutonRetour, &BoutonRetourSF}) {
        bouton->visible = false;
    }
    PageControle.visible = false;

    dimensionner(zoneFigureEnonce, 320, 290, 0xFFFFFF, false);
    dimensionner(ZoneFigureSolution, 248, 155, 0xFFFFFF, false);
    dimensionner(zoneTexteEnonce, 456, 290, 0xFFF7E0, true);
    dimensionner(ZoneTexteSolution, 528, 155, 0xD9FFCC, true);
    dimensionner(ZoneTexteCours, 388, 485, 0xFEF7DA, true);
    dimensionner(ZoneTexteImagiciel, 388, 485, 0xFFF7E0, true);
    dimensionner(ZoneFigureImagiciel, 388, 485, 0xFFFFFF, false);
    dimensionner(ZoneFigureAccueil, 790, 570, 0x65CD98, true);

    ImageFausse.nom = "ImageFausse";
    ImageIncorrecte.nom = "ImageIncorrecte";
    ImageSolution.nom = "ImageSolution";
    ImageExacte.nom = "ImageExacte";
    fondAccueil.nom = "fondAccueil";
    AproposActif.nom = "AproposActif";
    AproposNonActif.nom = "AproposNonActif";
    EntreeActif.nom = "EntreeActif";
    EntreeNonActif.nom = "EntreeNonActif";
    QuitterActif.nom = "QuitterActif";
    QuitterNonActif.nom = "QuitterNonActif";
    ImageCalculatrice.nom = "ImageCalculatrice";
}

void TcontrolesFenetre::lier(TdonneesCommunes& d) {
    d.LabelChapitreExercice = &LabelChapitreExercice;
    d.LabelChapitreCours = &LabelChapitreCours;
    d.LabelChapitreImagiciel = &LabelChapitreImagiciel;
    d.LabelTitreExercice = &LabelTitreExercice;
    d.LabelTitreImagiciel = &LabelTitreImagiciel;
    d.Edit1 = &Edit1;
    d.Edit2 = &Edit2;
    d.Edit3 = &Edit3;
    d.ZoneScoreExercice = &ZoneScoreExercice;
    d.Timer = &Timer;
    d.TimerAnimationAccueil = &TimerAnimationAccueil;
    d.BoutonCoursSuivant = &BoutonCoursSuivant;
    d.BoutonCoursPrecedent = &BoutonCoursPrecedent;
    d.BoutonPourSexercer = &BoutonPourSexercer;
    d.BoutonPourSexercerSF = &BoutonPourSexercerSF;
    d.BoutonRetour = &BoutonRetour;
    d.BoutonRetourSF = &BoutonRetourSF;
    d.BoutonRevoirCours = &BoutonRevoirCours;
    d.BoutonReculer = &BoutonReculer;
    d.BoutonCorrection = &BoutonCorrection;
    d.BoutonAvancer = &BoutonAvancer;
    d.BoutonSolution = &BoutonSolution;
    d.BoutonReessayer = &BoutonReessayer;
    d.BoutonSommaire = &BoutonSommaire;
    d.BoutonSuite = &BoutonSuite;
    d.PageControle = &PageControle;
    d.PageExercice = &PageExercice;
    d.PageImagiciel = &PageImagiciel;
    d.PageCours = &PageCours;
    d.PageMenu = &PageMenu;
    d.ArbreChoixCours = &ArbreChoixCours;
    d.ArbreChoixExercice = &ArbreChoixExercice;
    d.ArbreChoixImagiciel = &ArbreChoixImagiciel;
    d.ScrollBoiteCours = &ScrollBoiteCours;
    d.MediaPlayerErreur = &MediaPlayerErreur;
    d.ImageFausse = &ImageFausse;
    d.ImageIncorrecte = &ImageIncorrecte;
    d.ImageSolution = &ImageSolution;
    d.ImageExacte = &ImageExacte;
    d.fondAccueil = &fondAccueil;
    d.AproposActif = &AproposActif;
    d.AproposNonActif = &AproposNonActif;
    d.EntreeActif = &EntreeActif;
    d.EntreeNonActif = &EntreeNonActif;
    d.QuitterActif = &QuitterActif;
    d.QuitterNonActif = &QuitterNonActif;
    d.ImageCalculatrice = &ImageCalculatrice;
}

void TcontrolesFenetre::creerZones(TdonneesCommunes& d) {
    creerZone(zoneFigureEnonce, d.zoneFigure);
    creerZone(ZoneFigureSolution, d.zoneFigureSolution);
    creerZone(zoneTexteEnonce, d.zoneEnonce);
    creerZone(ZoneTexteSolution, d.zoneSolution);
    creerZone(ZoneTexteCours, d.zoneCours);
    creerZone(ZoneTexteImagiciel, d.zoneTexteImagiciel);
    creerZone(ZoneFigureImagiciel, d.zoneFigureImagiciel);
    creerZone(ZoneFigureAccueil, d.zoneAccueil);
}
