// Chaque feuille des deux arbres de l'index mène là où le dit la liste des renvois : page de
// cours, imagiciel ou fenêtre d'information (sur une fiche partagée). Les listes sont
// recopiées telles qu'on les lit, « cible ← entrées ; … », et relues ici : elles ne
// reprennent pas la table du code.

#include "content/index/ouvririnfo.h"
#include "content/index/renvoisindex.h"
#include "content/info/fenetreinfo.h"
#include "core/arbres/arbrealphabetique.h"
#include "core/arbres/arbretheme.h"
#include "core/donneescommunes.h"
#include "core/renvoiscontenu.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const listeCours =
    "1002 ← 2015, 2595; 1003 ← 2016, 2531, 2596, 2598, 2652, 2812; 1004 ← 2017, 2625; 1006 ← "
    "2597, 2653; 1007 ← 2626; 1008 ← 2627, 2654; 1011 ← 2019, 2617, 2659, 2808; 1012 ← 2020, "
    "2618; 1013 ← 2021, 2705; 1014 ← 2022, 2660, 2664, 2783, 2809; 1016 ← 2741, 2785; 1017 ← "
    "2628; 1018 ← 2665, 2786; 1019 ← 2666, 2742, 2787; 1022 ← 2011; 1023 ← 2023, 2619; 1024 ← "
    "2012; 1025 ← 2013; 1033 ← 2002, 2667, 2697; 1034 ← 2003, 2605, 2698, 2732; 1035 ← 2004, "
    "2510, 2609, 2699, 2733; 1036 ← 2005, 2637, 2800; 1038 ← 2638; 1039 ← 2526, 2639; 1042 ← "
    "2028, 2549, 2631, 2656, 2748; 1043 ← 2029, 2550, 2620, 2781; 1044 ← 2030, 2551; 1045 ← "
    "2031, 2505, 2611; 1046 ← 2032, 2641, 2746, 2764; 1054 ← 2036, 2630, 2657; 1055 ← 2037, "
    "2552, 2621, 2704, 2782; 1056 ← 2038, 2749; 1064 ← 2024, 2586, 2661, 2810, 2825; 1065 ← "
    "2025, 2826; 1067 ← 2788; 1069 ← 2743, 2789; 1072 ← 2040, 2679, 2692; 1073 ← 2041, 2622; "
    "1075 ← 2680, 2693; 1078 ← 2049, 2062, 2504, 2577, 2583, 2649, 2802, 2829, 2856; 1079 ← "
    "2050, 2111, 2545, 2578, 2758, 2803, 2830, 2857; 1080 ← 2051, 2527, 2580, 2805, 2832, "
    "2858; 1081 ← 2052, 2581, 2634, 2806, 2833, 2859; 1089 ← 2063, 2080, 2716, 2836; 1090 ← "
    "2064, 2081, 2717, 2768; 1092 ← 2718; 1093 ← 2719; 1094 ← 2558, 2720; 1097 ← 2130, 2816; "
    "1098 ← 2131, 2507, 2523, 2817, 2873; 1099 ← 2132, 2546, 2603, 2797, 2818; 1100 ← 2133, "
    "2591, 2712, 2722, 2772, 2798; 1101 ← 2134, 2547, 2554, 2723, 2753, 2799, 2863; 1108 ← "
    "2118, 2599, 2614, 2688, 2838, 2867; 1109 ← 2093, 2689, 2727, 2868; 1110 ← 2094, 2503, "
    "2728, 2774, 2813, 2839, 2869; 1111 ← 2120, 2840; 1113 ← 2615; 1115 ← 2559; 1118 ← 2138, "
    "2573, 2776, 2870; 1119 ← 2139, 2574, 2777, 2871; 1120 ← 2140, 2575, 2690, 2694, 2778; "
    "1121 ← 2141, 2602, 2709, 2779; 1129 ← 2121, 2515, 2534, 2791; 1130 ← 2122, 2792; 1131 ← "
    "2079, 2123, 2793; 1132 ← 2056, 2115, 2514, 2516, 2536, 2538; 1133 ← 2095, 2116, 2535, "
    "2544, 2735; 1135 ← 2561; 1136 ← 2736; 1137 ← 2562, 2584, 2737; 1138 ← 2585, 2738; 1141 ← "
    "2009, 2502, 2608, 2700, 2763; 1143 ← 2010, 2612, 2701, 2751; 1146 ← 2044, 2045, 2512, "
    "2513, 2715, 2814; 1147 ← 2046, 2058, 2078, 2106, 2109, 2521, 2533, 2539, 2644, 2681, "
    "2684, 2707, 2843; 1148 ← 2060, 2061, 2105, 2647, 2648, 2755, 2767, 2770, 2835, 2844; 1151 "
    "← 2092, 2725; 1153 ← 2119, 2820; 1154 ← 2059, 2097, 2104, 2143, 2508, 2529, 2543, 2600, "
    "2633, 2670, 2726, 2771, 2845; 1155 ← 2136, 2144, 2509, 2555, 2588, 2590, 2635, 2713, "
    "2739, 2754, 2874 ";

const char* const listeImagiciels =
    "1501 ← 2125, 2821; 1502 ← 2126, 2822; 1503 ← 2127, 2841; 1504 ← 2128, 2794; 1506 ← 2065, "
    "2082, 2108, 2541, 2686, 2846; 1507 ← 2066, 2083, 2645, 2708, 2848; 1508 ← 2067, 2084, "
    "2682, 2849; 1509 ← 2047, 2068, 2085, 2110, 2522, 2542, 2850; 1510 ← 2053, 2112, 2579, "
    "2759, 2860; 1511 ← 2054, 2113, 2760, 2804, 2861; 1512 ← 2055, 2114, 2761, 2831, 2862; "
    "1513 ← 2135, 2556, 2730; 1515 ← 2070, 2564, 2852; 1516 ← 2071, 2565, 2853; 1517 ← 2072, "
    "2566, 2854; 1518 ← 2074, 2107, 2540, 2560, 2847; 1520 ← 2087, 2101, 2571, 2675, 2721; "
    "1521 ← 2075, 2088, 2102, 2124, 2570, 2676, 2823; 1523 ← 2073, 2089, 2100, 2569, 2674, "
    "2685; 1524 ← 2048, 2076, 2090, 2099, 2520, 2568, 2673 ";

const char* const listeFenetre =
    "2006, 2007, 2033, 2034, 2096, 2517, 2530, 2587, 2593, 2604, 2606, 2662, 2671, 2702, 2729, "
    "2745, 2750, 2773, 2864 ";

// « 1002 ← 2015, 2595; 1003 ← … » : entrée → cible.
std::map<int, int> lireRenvois(const std::string& texte) {
    std::map<int, int> renvois;
    std::istringstream groupes(texte);
    std::string groupe;
    while (std::getline(groupes, groupe, ';')) {
        const auto fleche = groupe.find("←");
        if (fleche == std::string::npos) {
            continue;
        }
        const int cible = std::stoi(groupe.substr(0, fleche));
        std::istringstream entrees(groupe.substr(fleche + std::string("←").size()));
        std::string entree;
        while (std::getline(entrees, entree, ',')) {
            EXPECT_TRUE(renvois.emplace(std::stoi(entree), cible).second) << entree;
        }
    }
    return renvois;
}

std::vector<int> lireListe(const std::string& texte) {
    std::vector<int> liste;
    std::istringstream entrees(texte);
    std::string entree;
    while (std::getline(entrees, entree, ',')) {
        liste.push_back(std::stoi(entree));
    }
    return liste;
}

class Index : public testing::Test {
protected:
    void SetUp() override {
        inscrireIndex();
        renvoisContenu().afficherPageCours = [this](TdonneesCommunes&, int id) {
            vus.push_back(id);
        };
        renvoisContenu().ouvrirImagiciel = [this](TdonneesCommunes& dd) {
            vus.push_back(dd.numeroImagiciel);
        };
        hoteInfo().montrer = [this](TdonneesCommunes& dd, int id) {
            fenetres.push_back({id, dd.largeurInfo, dd.hauteurInfo});
        };
    }
    void TearDown() override {
        renvoisContenu() = TrenvoisContenu{};
        hoteInfo() = ThoteInfo{};
    }

    struct Tfenetre {
        int identifiant, largeur, hauteur;
        bool operator==(const Tfenetre&) const = default;
    };

    TdonneesCommunes d;
    std::vector<int> vus;
    std::vector<Tfenetre> fenetres;
};

TEST_F(Index, ChaqueFeuilleDesDeuxArbresMeneOuLeDitLaListe) {
    std::map<int, int> attendus = lireRenvois(listeCours);
    for (const auto& [entree, cible] : lireRenvois(listeImagiciels)) {
        EXPECT_TRUE(attendus.emplace(entree, cible).second) << entree;
    }
    std::vector<int> fenetre = lireListe(listeFenetre);
    int feuilles = 0;
    for (const TarbreContenu* arbre : {&arbreTheme(), &arbreAlphabetique()}) {
        for (const TnoeudArbre& noeud : arbre->noeuds) {
            const int id = arbre->identifiant(noeud.index);
            const bool surFenetre = std::find(fenetre.begin(), fenetre.end(), id) != fenetre.end();
            if (arbre->aDesEnfants(noeud.index)) {
                EXPECT_EQ(attendus.count(id), 0u) << id << " n'est pas une feuille";
                EXPECT_FALSE(surFenetre) << id;
                continue;
            }
            ++feuilles;
            vus.clear();
            fenetres.clear();
            d.pageCours = 0;
            d.numeroImagiciel = 0;
            ouvrirInfo(d, id);
            if (surFenetre) {
                EXPECT_TRUE(vus.empty()) << id;
                ASSERT_EQ(fenetres.size(), 1u) << id;
                EXPECT_EQ(fenetres[0].identifiant, id);
                const int fiche = aliasInfo(id);
                EXPECT_TRUE(fiche >= 2875 && fiche <= 2881) << id << " → " << fiche;
            } else {
                ASSERT_EQ(attendus.count(id), 1u)
                    << id << " « " << noeud.libelle << " » n'a pas de cible";
                EXPECT_EQ(vus, std::vector<int>{attendus[id]}) << id;
                EXPECT_TRUE(fenetres.empty()) << id;
                EXPECT_EQ(renvoiIndex(id), attendus[id]);
            }
        }
    }
    EXPECT_EQ(feuilles, static_cast<int>(attendus.size() + fenetre.size()))
        << "toute entrée des listes est une feuille";
}

TEST_F(Index, LePointSurLesNombresMontreLaPage1033SansFenetre) {
    ouvrirInfo(d, 2002);
    EXPECT_EQ(vus, std::vector<int>{1033});
    EXPECT_TRUE(fenetres.empty());
}

TEST_F(Index, ArrondiEtTroncatureOuvrentLaMemeFiche) {
    for (int id : {2517, 2006, 2864}) {
        ouvrirInfo(d, id);
    }
    EXPECT_EQ(fenetres,
              (std::vector<Tfenetre>{{2517, 368, 153}, {2006, 368, 153}, {2864, 368, 153}}));
    EXPECT_TRUE(vus.empty());
}

TEST_F(Index, UnImagicielDejaOuvertNeSeRouvrePas) {
    ouvrirInfo(d, 2125);
    EXPECT_EQ(vus, std::vector<int>{1501});
    EXPECT_EQ(d.numeroImagiciel, 1501);
    ouvrirInfo(d, 2821);
    EXPECT_EQ(vus, std::vector<int>{1501}) << "même imagiciel : on passe seulement à l'onglet";
}

TEST_F(Index, SansPagesNiImagicielsNiFenetreUnRenvoiNeFaitRien) {
    renvoisContenu().afficherPageCours = nullptr;
    renvoisContenu().ouvrirImagiciel = nullptr;
    hoteInfo() = ThoteInfo{};
    for (int id : {2002, 2125, 2517, 1997, 1998, 1999, 2000, 2880, 9999}) {
        renvoisContenu().ouvrirInfo(d, id);
    }
    EXPECT_FALSE(infoOuverte);
    EXPECT_EQ(d.numeroImagiciel, 1501) << "l'imagiciel est noté comme le fait montrerImagiciel";
}

} // namespace
