#include "content/cours/pagescours.h"

#include "content/cours/tablepages.h"
#include "core/arbres/arbrecours.h"
#include "core/controles/arbre.h"
#include "core/controles/bouton.h"
#include "core/controles/classeur.h"
#include "core/controles/libelle.h"
#include "core/donneescommunes.h"
#include "core/identifiants.h"
#include "core/lien.h"
#include "core/renvoiscontenu.h"
#include "display/zones/boitepeinture.h"
#include "display/zones/objetimage.h"
#include "display/zones/zoneaffichage.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const std::string vingtEtUnEspaces(21, ' ');

// Racines des chapitres 1 à 14 dans l'arbre des cours (codes de chapitre 2 à 15).
constexpr int racinesChapitres[] = {0, 9, 20, 31, 40, 52, 62, 70, 76, 87, 95, 106, 116, 127};

bool ongletCoursActif(const TdonneesCommunes& d) {
    return d.PageControle != nullptr && d.PageControle->pageActive == Onglet::Cours;
}

void montrer(Tbouton* bouton, bool visible) {
    if (bouton != nullptr) {
        bouton->visible = visible;
    }
}

void activer(Tbouton* bouton, bool actif) {
    if (bouton != nullptr) {
        bouton->actif = actif;
    }
}

void placerGauche(Tbouton* bouton, int gauche) {
    if (bouton != nullptr) {
        bouton->gauche = gauche;
    }
}

void colorerFond(TdonneesCommunes& d, Tcouleur couleur) {
    TzoneAffichage& zone = *d.zoneCours;
    zone.couleurFond = couleur;
    if (zone.boite != nullptr) {
        zone.boite->couleur = couleur;
    }
}

// L'historique : on l'oublie en changeant de page par les boutons voisins ou depuis un
// autre onglet ; on y pousse la page quittée en suivant un lien dans l'onglet des cours.
void noterHistorique(TdonneesCommunes& d) {
    const bool actif = ongletCoursActif(d);
    if (d.navigationVoisine || !actif) {
        d.nombreHistorique = 0;
    }
    if (!d.retourEnCours && !d.navigationVoisine && actif && d.pageCours != 0) {
        empilerHistorique(d, d.pageCours);
    }
}

// Sélectionne la page dans l'arbre et replie les chapitres autres que le sien.
void suivreArbre(TdonneesCommunes& d, int identifiant) {
    Tarbre* arbre = d.ArbreChoixCours;
    if (arbre == nullptr) {
        return;
    }
    arbre->selectionner(identifiant - identifiant::baseCours);
    for (int code = premierCodeChapitre; code <= dernierCodeChapitre; ++code) {
        if (code != d.chapitreCours) {
            arbre->replier(racinesChapitres[code - premierCodeChapitre]);
        }
    }
}

// Page voisine : la première feuille dans le sens donné, sans sortir des pages.
int feuilleVoisine(int depart, int pas) {
    const TarbreContenu& arbre = arbreCours();
    for (int p = depart + pas; p >= identifiant::premierePage && p <= identifiant::dernierePage;
         p += pas) {
        if (!arbre.aDesEnfants(p - identifiant::baseCours)) {
            return p;
        }
    }
    return 0;
}

void montrerVoisine(TdonneesCommunes& d, int page) {
    if (page == 0) {
        return;
    }
    d.navigationVoisine = true;
    afficherPageCours(d, page);
    d.navigationVoisine = false;
}

} // namespace

void afficherPageCours(TdonneesCommunes& d, int p) {
    if (!d.zoneCours) {
        return;
    }
    noterHistorique(d);

    d.pageCours = p;
    if (d.PageCours != nullptr) {
        d.PageCours->visible = true;
    }
    d.chapitreCours = chapitreDePage(p);
    activer(d.BoutonCoursSuivant, p < dernierePageChapitre(d.chapitreCours));
    activer(d.BoutonCoursPrecedent, p > premierePageChapitre(d.chapitreCours));

    const TarbreContenu& arbre = arbreCours();
    const int index = p - identifiant::baseCours;
    d.nomPageCours = arbre.contient(index) ? std::string(arbre.noeuds[index].libelle) : "";

    TzoneAffichage& zone = *d.zoneCours;
    if (zone.boite != nullptr) {
        zone.boite->hauteur = d.hauteurCours;
        zone.boite->couleur = fondPageCours;
    }
    viderZone(zone);
    colorerFond(d, fondPageCours);
    if (zone.boite != nullptr && zone.boite->changerCurseur) {
        zone.boite->changerCurseur(Tcurseur::defaut);
    }
    zone.marge = margeCours;
    d.lienPourSexercer = 0;
    placerGauche(d.BoutonPourSexercer, 662);
    placerGauche(d.BoutonPourSexercerSF, 662);
    montrer(d.BoutonPourSexercerSF, false);
    montrer(d.BoutonRetourSF, false);

    if (const TentreePage* entree = entreePage(p)) {
        ajouterPageCours(d, entree->nom, entree->exercice, entree->decalageColonne,
                         entree->decalageLigne);
        for (const TzoneChaude& z : entree->zones) {
            ajouterZoneLien(zone, z.x, z.y, z.largeur, z.cible);
        }
        for (const TboutonPage& b : entree->boutons) {
            ajouterBoutonLien(zone, b.cible, b.legende, b.x, b.y, b.largeur);
        }
    } else {
        d.pageSavoirFaire = false;
        ecrireLigne(zone, vingtEtUnEspaces + d.nomPageCours.texte(), 3);
        ecrireLigne(zone, vingtEtUnEspaces + "Image non disponible", 5);
    }

    const bool sf = d.pageSavoirFaire;
    if (sf) {
        colorerFond(d, fondPageSavoirFaire);
    }
    montrer(d.BoutonPourSexercerSF, sf && d.lienPourSexercer != 0);
    montrer(d.BoutonRetourSF, sf && d.nombreHistorique > 0);
    montrer(d.BoutonPourSexercer, !sf && d.lienPourSexercer != 0);
    montrer(d.BoutonRetour, !sf && d.nombreHistorique > 0);

    if (d.LabelChapitreCours != nullptr) {
        d.LabelChapitreCours->texte = std::string(titreChapitre(d.chapitreCours + decalageTitre));
    }

    if (ongletCoursActif(d)) {
        rafraichirZone(zone);
    } else if (d.PageControle != nullptr) {
        d.PageControle->pageActive = Onglet::Cours;
    }
    suivreArbre(d, p);
}

void ajouterPageCours(TdonneesCommunes& d, std::string_view nom, int exercice, int decalageColonne,
                      int decalageLigne) {
    d.pageSavoirFaire = estPageSavoirFaire(nom);
    ajouterImagePage(d, fichierImagePage(nom), decalageLigne + 0.5,
                     colonnePage(nom, decalageColonne));
    if (exercice != 0) {
        placerLienPourSexercer(d, exercice, 12);
    }
}

void ajouterImagePage(TdonneesCommunes& d, std::string_view fichier, double ligne, double colonne) {
    TzoneAffichage& zone = *d.zoneCours;
    const int indice = ajouterImage(zone, fichier, colonne - 5, ligne);
    const auto* image = dynamic_cast<const Timage*>(zone.objet(indice));
    if (image != nullptr && image->visible) {
        if (zone.boite != nullptr) {
            const int bas = image->image.height() + static_cast<int>(std::lround(18 * ligne)) + 10;
            zone.boite->hauteur = std::max(d.hauteurCours, bas);
        }
        return;
    }
    ecrireLigne(zone, vingtEtUnEspaces + d.nomPageCours.texte(), 3);
    ecrireLigne(zone, "La page de cours " + std::string(fichier) + " est manquante.", 5);
}

void placerLienPourSexercer(TdonneesCommunes& d, int exercice, int ligne) {
    d.lienPourSexercer = exercice;
    for (Tbouton* bouton : {d.BoutonPourSexercer, d.BoutonPourSexercerSF}) {
        if (bouton != nullptr) {
            bouton->haut = ligne * 18;
        }
    }
}

void BoutonCoursSuivantClick(TdonneesCommunes& d) {
    const int p = d.pageCours;
    const bool dansLesPages = p >= identifiant::premierePage && p < identifiant::dernierePage;
    montrerVoisine(d, dansLesPages ? feuilleVoisine(p, 1) : identifiant::premierePage);
}

void BoutonCoursPrecedentClick(TdonneesCommunes& d) {
    const int p = d.pageCours;
    const bool dansLesPages = p > identifiant::premierePage && p <= identifiant::dernierePage;
    montrerVoisine(d, dansLesPages ? feuilleVoisine(p, -1) : identifiant::dernierePage);
}

void BoutonRetourClick(TdonneesCommunes& d) {
    if (d.nombreHistorique <= 0) {
        return;
    }
    d.cibleLien = depilerHistorique(d);
    d.retourEnCours = true;
    suivreLien(d);
    d.retourEnCours = false;
}

void BoutonPourSexercerClick(TdonneesCommunes& d) {
    d.cibleLien = d.lienPourSexercer;
    suivreLien(d);
}

void inscrireCours() {
    renvoisContenu().afficherPageCours = &afficherPageCours;
}
