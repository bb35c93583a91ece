// calvane-banc analyser [--lettres L] TEXTE : analyse une expression comme le fait un
// correcteur et écrit le code d'erreur, son message, la valeur d'une expression sans
// lettre et les attributs d'écriture de l'expression.

#include "tools/banc/arguments.h"
#include "tools/banc/commandes.h"

#include "analysis/expressions/analexpr.h"
#include "analysis/expressions/erreuranalyse.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <memory>

int commandeAnalyser(const std::vector<std::string>& brut) {
    const Arguments arguments(brut, {"lettres"}, {});
    if (arguments.positionnels().size() != 1) {
        throw ErreurArguments("un seul TEXTE attendu");
    }
    const auto expression = std::make_unique<analexpr::Texpression>();
    analexpr::analyserExpression(*expression, arguments.positionnels().front(),
                                 arguments.valeur("lettres").value_or(""));
    const analexpr::Texpression& e = *expression;
    const bool lu = e.erreur == TcodeErreur::aucune;

    nlohmann::json sortie;
    sortie["erreur"] = static_cast<int>(e.erreur);
    sortie["message"] = analexpr::erreurAnalyse(e.erreur).message();
    sortie["position"] = lu ? nlohmann::json(nullptr) : nlohmann::json(e.positionErreur);
    sortie["valeur"] = (lu && e.constante && !e.erreurCalcul) ? nlohmann::json(e.resultat)
                                                              : nlohmann::json(nullptr);
    nlohmann::json forme = nullptr;
    if (lu) {
        forme = {{"polynome", e.polynome},
                 {"constante", e.constante},
                 {"developpee", e.developpee},
                 {"simplifiable", e.simplifiable},
                 {"nombreTermes", e.nombreTermes},
                 {"nombreFacteurs", e.nombreFacteurs},
                 {"sommeReductible", e.sommeReductible},
                 {"decimalOuFraction", e.decimalOuFraction}};
    }
    sortie["forme"] = forme;
    std::cout << sortie.dump() << "\n";
    return 0;
}
