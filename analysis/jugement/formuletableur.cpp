#include "analysis/jugement/formuletableur.h"

#include "analysis/jugement/messages.h"
#include "analysis/texte/chaines.h"

#include <array>

namespace jugement {

namespace {

constexpr std::string_view aideCellule1 =
    "Le nom d'une cellule est formé de la lettre indiquant la colonne";
constexpr std::string_view aideCellule2 = "suivie du chiffre indiquant la ligne. Exemple : A1";

struct Tfonction {
    int genre;
    std::string_view nom;
};

constexpr std::array fonctions{
    Tfonction{formuleSomme, "SOMME"},
    Tfonction{formuleMax, "MAX"},
    Tfonction{formuleMin, "MIN"},
    Tfonction{formuleMediane, "MEDIANE"},
};

const Tfonction* fonctionDuGenre(int genre) {
    for (const Tfonction& f : fonctions) {
        if (f.genre == genre) {
            return &f;
        }
    }
    return nullptr;
}

bool estCellule(std::string_view t) {
    return t.size() == 2 && t[0] >= 'A' && t[0] <= 'Z' && t[1] >= '1' && t[1] <= '9';
}

bool commencePar(std::string_view t, std::string_view debut) {
    return t.substr(0, debut.size()) == debut;
}

} // namespace

TjugementChamp verifierFormuleTableur(int genre, const std::string& prefixe,
                                      std::string_view attendu, std::string_view reponse) {
    std::string t = nombres::majuscules(nombres::supprimerBlancs(reponse));
    if (!commencePar(t, "=")) {
        return refuser(Tverdict::illisible, {prefixe + "doit commencer par le signe \"$g=$N\""});
    }
    t.erase(0, 1);

    if (const Tfonction* f = fonctionDuGenre(genre)) {
        const std::string debut = std::string(f->nom) + "(";
        if (!commencePar(t, debut)) {
            return refuser(Tverdict::illisible, {prefixe + "doit commencer par : \"$g= " +
                                                 std::string(f->nom) + " ($N\""});
        }
        t.erase(0, debut.size());
        if (t.empty() || t.back() != ')') {
            return refuser(Tverdict::illisible, {prefixe + "doit se terminer par  \"$g)$N\""});
        }
        t.pop_back();
        if (t.size() != 5 || t[2] != ':') {
            return refuser(Tverdict::illisible,
                           {"Indiquer pour la fonction " + std::string(f->nom) +
                                " le nom de la première cellule",
                            "puis le caractère \"$g:$N\" puis le nom de la dernière cellule.",
                            aideCellule1, aideCellule2});
        }
    } else if (genre == formuleOperation) {
        if (t.size() != 5 || std::string_view("*+-/").find(t[2]) == std::string_view::npos) {
            return refuser(Tverdict::illisible,
                           {"Indiquer le nom d'une cellule, puis un opérateur parmi  $g+  -  $e  "
                            "/$N  ",
                            "puis le nom de la deuxième cellule.", aideCellule1, aideCellule2});
        }
    }
    const std::string_view lu = t;
    if (lu.size() != 5 || !estCellule(lu.substr(0, 2)) || !estCellule(lu.substr(3, 2))) {
        return refuser(Tverdict::illisible, {aideCellule1, aideCellule2});
    }
    if (genre == formuleOperation) {
        return verdictSeul(attendu.find(lu) != std::string_view::npos ? Tverdict::exact
                                                                      : Tverdict::faux);
    }
    return verdictSeul(lu == attendu ? Tverdict::exact : Tverdict::faux);
}

} // namespace jugement
