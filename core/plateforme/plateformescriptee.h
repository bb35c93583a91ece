#pragma once

// Implémentation de la couche plateforme pour les tests et l'outil de banc : elle n'a aucun
// effet hors du programme, note chaque appel dans un journal, tient l'état des minuteries et
// répond aux questions Oui/Non selon un script (Non quand le script est épuisé, la réponse
// prudente qui n'abandonne rien).

#include "core/plateforme/plateforme.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

class TplateformeScriptee : public Tplateforme {
public:
    enum class Appel {
        OuvrirSon,
        JouerSon,
        Bip,
        Question,
        RedessinerZone,
        RedessinerControle,
        Curseur,
        DemarrerMinuterie,
        ArreterMinuterie,
        PlacerBoite
    };

    struct Tappel {
        Appel genre;
        std::string detail; // fichier, genre de bip, texte de la question, forme du pointeur
        const void* cible = nullptr; // zone, contrôle ou minuterie visés
    };

    // Fichiers son que ouvrirSon trouve ; tous quand sonsPresents est vrai.
    std::set<std::string> fichiersPresents;
    bool sonsPresents = false;
    // Réponses aux questions Oui/Non, prises dans l'ordre.
    std::deque<bool> reponsesOuiNon;

    std::vector<Tappel> journal;

    // Rectangles des boîtes à peindre ; une boîte inconnue est à (0, 0) avec sa taille.
    std::map<const TboitePeinture*, Trectangle> rectangles;

    bool ouvrirSon(const std::string& fichier) override;
    void jouerSon(const std::string& fichier) override;
    void bip(Bip genre) override;
    bool demanderOuiNon(std::string_view titre, std::string_view question) override;
    void redessinerZone(const TzoneAffichage* zone) override;
    void redessinerControle(const Tcontrole* controle) override;
    void changerCurseur(FormeCurseur forme) override;
    void demarrerMinuterie(Tminuterie& minuterie) override;
    void arreterMinuterie(Tminuterie& minuterie) override;
    Trectangle rectangleBoite(const TboitePeinture& boite) override;
    void placerBoite(const TboitePeinture& boite, const Trectangle& rectangle) override;

    // Nombre d'appels du genre donné dans le journal.
    int nombre(Appel genre) const;
    void effacerJournal() { journal.clear(); }
};
