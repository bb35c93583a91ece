#include "core/exercice/enonce.h"

#include "core/controles/imagefenetre.h"
#include "core/donneescommunes.h"
#include "display/zones/zoneaffichage.h"

void ajouterLigneEnonce(TdonneesCommunes& d, std::string_view texte, double ligne) {
    if (d.zoneEnonce) {
        ecrireLigne(*d.zoneEnonce, texte, ligne);
    }
}

void ajouterTexteSolution(TdonneesCommunes& d, std::string_view texte, double colonne,
                          double ligne) {
    if (d.zoneSolution) {
        ecrire(*d.zoneSolution, texte, colonne, ligne + 0.5);
    }
}

void ajouterLigneSolution(TdonneesCommunes& d, std::string_view texte, double ligne) {
    ajouterTexteSolution(d, texte, 14, ligne);
}

void ajouterLigneSolutionDroite(TdonneesCommunes& d, std::string_view texte, double ligne) {
    ajouterTexteSolution(d, texte, 58, ligne);
}

void ajouterMessage(TdonneesCommunes& d, std::string_view texte) {
    if (texte.find("$5") != std::string_view::npos && d.ligneMessage > 2.5) {
        d.ligneMessage += 0.2;
    }
    ajouterLigneSolution(d, texte, d.ligneMessage);
    d.ligneMessage += 1;
}

void ajouterRemarqueHasard(TdonneesCommunes& d, double ligne) {
    ajouterLigneEnonce(d, "Remarque : les données sont choisies au hasard :", ligne);
    ajouterLigneEnonce(d, "elles changent à chaque fois qu'on fait l'exercice.", ligne + 1);
}

void ajouterRemarqueHasardCourte(TdonneesCommunes& d, double ligne) {
    ajouterLigneEnonce(d,
                       "Remarque : les données sont choisies au hasard : elles changent à "
                       "chaque fois qu'on fait l'exercice.",
                       ligne);
}

void encadrerConsigne(TdonneesCommunes& d, double hauteur, double largeur) {
    if (d.zoneEnonce) {
        ajouterCadre(*d.zoneEnonce, 6, 1, 0.2, largeur, hauteur);
    }
}

void afficherCalculatrice(TdonneesCommunes& d) {
    if (d.zoneEnonce && d.ImageCalculatrice != nullptr) {
        ajouterImageInterne(*d.zoneEnonce, d.ImageCalculatrice->image, -7, 0.5);
    }
}

void ecrireSolutionPreparee(TdonneesCommunes& d) {
    if (!d.texte1.empty()) {
        ajouterLigneSolution(d, d.texte1, 3);
    }
}

void ecrireSolutionsPreparees(TdonneesCommunes& d) {
    ecrireSolutionPreparee(d);
    if (!d.texte2.empty()) {
        ajouterLigneSolution(d, d.texte2, 5);
    }
}
