#include "display/zones/genresobjets.h"

#include "display/division/objetdivision.h"
#include "display/figures/cerclefigure.h"
#include "display/figures/courbefigure.h"
#include "display/figures/lignefigure.h"
#include "display/figures/pointfigure.h"
#include "display/figures/polygonefigure.h"
#include "display/tableaux/objetdiagramme.h"
#include "display/tableaux/objettableau.h"
#include "display/zones/objetcadre.h"
#include "display/zones/objetimage.h"
#include "display/zones/objetimagecontrole.h"
#include "display/zones/objettexte.h"

#include <array>

namespace {

constexpr int genreMaximum = 42;

template <class T> std::unique_ptr<TobjetZone> fabriquer() {
    return std::make_unique<T>();
}

// Objet de figure d'un genre donné (plusieurs genres partagent une classe).
template <class T, int genre> std::unique_ptr<TobjetZone> fabriquerFigure() {
    return std::make_unique<T>(genre);
}

template <class T, int... genres>
void inscrireFigures(std::array<TfabriqueObjet, genreMaximum + 1>& t) {
    ((t[genres] = &fabriquerFigure<T, genres>), ...);
}

// Genres disponibles dans cette couche.
std::array<TfabriqueObjet, genreMaximum + 1>& table() {
    static std::array<TfabriqueObjet, genreMaximum + 1> fabriques = [] {
        std::array<TfabriqueObjet, genreMaximum + 1> t{};
        t[Ttexte::genreTexte] = &fabriquer<Ttexte>;
        t[Tcadre::genreCadre] = &fabriquer<Tcadre>;
        t[Timage::genreImage] = &fabriquer<Timage>;
        t[TimageControle::genreImageControle] = &fabriquer<TimageControle>;
        t[Tdivision::genreDivision] = &fabriquer<Tdivision>;
        t[TpolygoneFigure::genrePolygone] = &fabriquer<TpolygoneFigure>;
        t[TcourbeFigure::genreCourbe] = &fabriquer<TcourbeFigure>;
        inscrireFigures<TpointFigure, 1, 10, 12, 13, 14, 15, 17, 19, 21, 22, 23, 31, 32, 33, 35, 38,
                        40, 42>(t);
        inscrireFigures<TligneFigure, 4, 5, 9, 11, 26, 30>(t);
        inscrireFigures<TcercleFigure, 6, 20, 29>(t);
        t[Ttableau::genreTableau] = &fabriquer<Ttableau>;
        t[Tdiagramme::genreDiagramme] = &fabriquer<Tdiagramme>;
        return t;
    }();
    return fabriques;
}

} // namespace

std::unique_ptr<TobjetZone> creerObjetDeGenre(int genre) {
    if (genre < 1 || genre > genreMaximum || table()[static_cast<std::size_t>(genre)] == nullptr) {
        return nullptr;
    }
    return table()[static_cast<std::size_t>(genre)]();
}

void inscrireGenre(int genre, TfabriqueObjet fabrique) {
    if (genre >= 1 && genre <= genreMaximum) {
        table()[static_cast<std::size_t>(genre)] = fabrique;
    }
}
