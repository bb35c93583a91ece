// calvane-banc juger : juge un champ de réponse (ou un lot de champs) par le jugement d'un
// champ, sans enregistrement ni fenêtre, avec les textes bornés et la réponse normalisée
// comme dans un exercice, et écrit le verdict, les messages et la réponse en JSON.

#include "analysis/jugement/jugement.h"
#include "analysis/texte/texteutf8.h"
#include "tools/banc/arguments.h"
#include "tools/banc/commandes.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using json = nlohmann::json;
using jugement::TchampAJuger;

void verifierGenre(long long type) {
    if (type < 0 || type > 255) {
        throw ErreurArguments("--type : genre de réponse de 0 à 255");
    }
}

// Juge le champ, ses textes bornés comme dans l'enregistrement commun et la réponse
// normalisée comme à la soumission.
json juger(TchampAJuger champ) {
    const std::string attendu = texteutf8::couper(champ.attendu, jugement::longueurReponse);
    const std::string lettres = texteutf8::couper(champ.lettres, jugement::longueurReponse);
    const std::string points = texteutf8::couper(champ.lettresPoints, jugement::longueurReponse);
    const std::string reponse = jugement::normaliserReponse(champ.reponse);
    champ.attendu = attendu;
    champ.lettres = lettres;
    champ.lettresPoints = points;
    champ.reponse = reponse;
    const jugement::TjugementChamp j = jugement::jugerChamp(champ);
    return {
        {"verdict", static_cast<int>(j.verdict)}, {"messages", j.messages}, {"reponse", reponse}};
}

[[noreturn]] void mauvaisType(const char* cle, std::size_t numero) {
    throw ErreurArguments("--lot : ligne " + std::to_string(numero) + ", clé « " + cle +
                          " » d'un mauvais type");
}

// Une valeur du lot, du type attendu, ou une erreur d'arguments qui cite la ligne.
template <typename T>
void lireCle(const json& objet, const char* cle, T& valeur, std::size_t numero) {
    const auto it = objet.find(cle);
    if (it == objet.end() || it->is_null()) {
        return;
    }
    try {
        valeur = it->get<T>();
    } catch (const json::exception&) {
        mauvaisType(cle, numero);
    }
}

// Un texte du lot : une vue sur la chaîne de l'objet JSON, qui vit autant que lui.
void lireTexte(const json& objet, const char* cle, std::string_view& texte, std::size_t numero) {
    const auto it = objet.find(cle);
    if (it == objet.end() || it->is_null()) {
        return;
    }
    if (!it->is_string()) {
        mauvaisType(cle, numero);
    }
    texte = it->get_ref<const json::string_t&>();
}

// Le champ d'une ligne du lot (une clé absente garde la valeur d'une question neuve) ;
// « type » et « points » sont des entiers, « points » (le barème) ne change pas le jugement
// d'un champ.
TchampAJuger champDeLigne(const json& objet, std::size_t numero) {
    TchampAJuger champ;
    long long type = static_cast<long long>(champ.genre);
    long long points = 1;
    lireCle(objet, "type", type, numero);
    lireTexte(objet, "attendu", champ.attendu, numero);
    lireCle(objet, "valeur", champ.valeurAttendue, numero);
    lireTexte(objet, "lettres", champ.lettres, numero);
    lireCle(objet, "points", points, numero);
    lireCle(objet, "precision", champ.precision, numero);
    lireCle(objet, "vide_permis", champ.videPermis, numero);
    lireTexte(objet, "reponse", champ.reponse, numero);
    lireTexte(objet, "points_figure", champ.lettresPoints, numero);
    verifierGenre(type);
    champ.genre = static_cast<TgenreReponse>(type);
    return champ;
}

// Les lignes non vides du lot, chacune vérifiée avant qu'aucune ne soit jugée.
std::vector<json> lireLot(const std::string& fichier) {
    std::ifstream flux(fichier);
    if (!flux) {
        throw ErreurArguments("--lot : impossible de lire « " + fichier + " »");
    }
    std::vector<json> lot;
    std::string ligne;
    std::size_t numero = 0;
    while (std::getline(flux, ligne)) {
        ++numero;
        if (ligne.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        json objet = json::parse(ligne, nullptr, false);
        if (!objet.is_object()) {
            throw ErreurArguments("--lot : ligne " + std::to_string(numero) +
                                  " : objet JSON attendu");
        }
        champDeLigne(objet, numero);
        lot.push_back(std::move(objet));
    }
    return lot;
}

// Une réponse tapée peut contenir des octets invalides : ils sont écrits U+FFFD.
std::string versJson(const json& objet) {
    return objet.dump(-1, ' ', false, json::error_handler_t::replace);
}

} // namespace

int commandeJuger(const std::vector<std::string>& brut) {
    const Arguments arguments(
        brut,
        {"type", "attendu", "valeur", "lettres", "points", "precision", "points-figure", "lot"},
        {"vide-permis"});
    if (const auto fichier = arguments.valeur("lot")) {
        if (!arguments.positionnels().empty()) {
            throw ErreurArguments("--lot ne prend pas de RÉPONSE");
        }
        const std::vector<json> lot = lireLot(*fichier);
        std::string sortie;
        for (std::size_t i = 0; i < lot.size(); ++i) {
            sortie += versJson(juger(champDeLigne(lot[i], i + 1)));
            sortie += '\n';
        }
        std::cout << sortie;
        return 0;
    }

    if (arguments.positionnels().size() != 1) {
        throw ErreurArguments("une seule RÉPONSE attendue (après « -- » si elle commence par -)");
    }
    const auto type = arguments.valeur("type");
    if (!type) {
        throw ErreurArguments("--type est obligatoire");
    }
    const long long genre = Arguments::entier("type", *type);
    verifierGenre(genre);
    const std::string attendu = arguments.valeur("attendu").value_or("");
    const std::string lettres = arguments.valeur("lettres").value_or("");
    const std::string points = arguments.valeur("points-figure").value_or("");
    TchampAJuger champ;
    champ.genre = static_cast<TgenreReponse>(genre);
    champ.attendu = attendu;
    if (const auto v = arguments.valeur("valeur")) {
        champ.valeurAttendue = Arguments::reel("valeur", *v);
    }
    champ.lettres = lettres;
    if (const auto p = arguments.valeur("points")) {
        Arguments::entier("points", *p);
    }
    if (const auto e = arguments.valeur("precision")) {
        champ.precision = Arguments::reel("precision", *e);
    }
    champ.videPermis = arguments.drapeau("vide-permis");
    champ.lettresPoints = points;
    champ.reponse = arguments.positionnels()[0];

    std::cout << versJson(juger(champ)) << "\n";
    return 0;
}
