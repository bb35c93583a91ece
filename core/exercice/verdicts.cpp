#include "core/exercice/verdicts.h"

#include "analysis/texte/texteutf8.h"
#include "core/controles/imagefenetre.h"
#include "core/controles/lecteurson.h"
#include "core/donneescommunes.h"
#include "core/plateforme/plateforme.h"
#include "display/zones/zoneaffichage.h"

void afficherImageVerdict(TdonneesCommunes& d, const TimageFenetre* image) {
    if (d.zoneSolution && image != nullptr) {
        ajouterImageInterne(*d.zoneSolution, image->image, 2, 1.5);
    }
}

void verdictExact(TdonneesCommunes& d) {
    if (d.plateforme != nullptr) {
        d.plateforme->bip(Bip::Main);
    }
    afficherImageVerdict(d, d.ImageExacte);
}

void verdictFaux(TdonneesCommunes& d) {
    jouerSon(d, "erreur");
    afficherImageVerdict(d, d.ImageFausse);
}

void verdictIncorrect(TdonneesCommunes& d) {
    if (d.plateforme != nullptr) {
        d.plateforme->bip(Bip::Question);
    }
    afficherImageVerdict(d, d.ImageIncorrecte);
}

void jouerSon(TdonneesCommunes& d, std::string_view nom) {
    if (d.MediaPlayerErreur == nullptr || d.plateforme == nullptr) {
        return;
    }
    TlecteurSon& lecteur = *d.MediaPlayerErreur;
    lecteur.fichier = d.dossierProgramme.texte() + texteutf8::couper(nom, 120) + ".wav";
    if (!d.plateforme->ouvrirSon(lecteur.fichier)) {
        lecteur.fichier.clear();
    }
    if (!lecteur.fichier.empty()) {
        d.plateforme->jouerSon(lecteur.fichier);
    }
}
