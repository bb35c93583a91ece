#include "core/plateforme/plateformescriptee.h"

#include "core/controles/minuterie.h"
#include "display/zones/boitepeinture.h"

#include <algorithm>

bool TplateformeScriptee::ouvrirSon(const std::string& fichier) {
    journal.push_back({Appel::OuvrirSon, fichier});
    return sonsPresents || fichiersPresents.contains(fichier);
}

void TplateformeScriptee::jouerSon(const std::string& fichier) {
    journal.push_back({Appel::JouerSon, fichier});
}

void TplateformeScriptee::bip(Bip genre) {
    journal.push_back({Appel::Bip, genre == Bip::Main ? "main" : "question"});
}

bool TplateformeScriptee::demanderOuiNon(std::string_view titre, std::string_view question) {
    journal.push_back({Appel::Question, std::string(titre) + "|" + std::string(question)});
    if (reponsesOuiNon.empty()) {
        return false;
    }
    const bool oui = reponsesOuiNon.front();
    reponsesOuiNon.pop_front();
    return oui;
}

void TplateformeScriptee::redessinerZone(const TzoneAffichage* zone) {
    journal.push_back({Appel::RedessinerZone, {}, zone});
}

void TplateformeScriptee::redessinerControle(const Tcontrole* controle) {
    journal.push_back({Appel::RedessinerControle, {}, controle});
}

void TplateformeScriptee::changerCurseur(FormeCurseur forme) {
    static constexpr const char* noms[] = {"defaut", "main", "croix", "redimension-verticale"};
    journal.push_back({Appel::Curseur, noms[static_cast<int>(forme)]});
}

void TplateformeScriptee::demarrerMinuterie(Tminuterie& minuterie) {
    minuterie.actif = true;
    journal.push_back({Appel::DemarrerMinuterie, {}, &minuterie});
}

void TplateformeScriptee::arreterMinuterie(Tminuterie& minuterie) {
    minuterie.actif = false;
    journal.push_back({Appel::ArreterMinuterie, {}, &minuterie});
}

Trectangle TplateformeScriptee::rectangleBoite(const TboitePeinture& boite) {
    const auto trouve = rectangles.find(&boite);
    if (trouve != rectangles.end()) {
        return trouve->second;
    }
    return {0, 0, boite.largeur, boite.hauteur};
}

void TplateformeScriptee::placerBoite(const TboitePeinture& boite, const Trectangle& rectangle) {
    rectangles[&boite] = rectangle;
    journal.push_back({Appel::PlacerBoite, {}, &boite});
}

int TplateformeScriptee::nombre(Appel genre) const {
    return static_cast<int>(std::count_if(journal.begin(), journal.end(),
                                          [genre](const Tappel& a) { return a.genre == genre; }));
}
