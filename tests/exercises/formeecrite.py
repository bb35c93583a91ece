"""Lecture d'une réponse comme le fait l'analyseur du programme, pour les tests de forme.

L'analyseur du programme ne calcule pas de forme normale : en construisant l'arbre, il
donne à chaque nœud des attributs (monôme, coefficient, degrés, nombre de facteurs…) et
marque l'expression « non développée », « simplifiable » ou « somme réductible » quand il
voit certains motifs. Ce module refait cette lecture en Python pour vérifier que chaque
réponse modèle d'une table sera jugée exacte (même valeur, forme demandée), et pas
seulement égale en valeur.
"""

import math
import re

MARQUE_PI, MARQUE_RACINE, MARQUE_COS = "á", "â", "ã"


class ErreurLecture(Exception):
    def __init__(self, code):
        super().__init__(code)
        self.code = code


class Noeud:
    def __init__(self, texte, nombre_lettres):
        self.texte = texte
        self.operateur = 0
        self.gauche = self.droite = None
        self.valeur = 0.0
        self.polynome = self.monome = self.constante = True
        self.entier = self.avec_coefficient = self.negatif = False
        self.numerique = self.somme_numerique = self.avec_racine = self.terme_rationnel = False
        self.degres = [0] * max(nombre_lettres, 1)
        self.nombre_facteurs = 0
        self.valeur_entiere = 0
        self.variable = 0


class Expression:
    """Une réponse lue : arbre et attributs de forme de l'expression entière."""

    def __init__(self, texte, lettres):
        self.lettres = lettres
        self.nombre_lettres = len(lettres)
        self.developpee = True
        self.simplifiable = False
        self.nombre_termes = 1
        self.somme_reductible = False
        t = texte.strip().replace(" ", "").replace(",", ".")
        if t == "":
            raise ErreurLecture(8)
        profondeur = 0
        for c in t:
            profondeur += {"(": 1, ")": -1}.get(c, 0)
            if profondeur < 0:
                raise ErreurLecture(1)
        if profondeur != 0:
            raise ErreurLecture(1)
        for motif, remplacement in (
            ("pi", MARQUE_PI),
            ("²", "^2"),
            ("p", "^"),
            ("rac", MARQUE_RACINE),
            ("cos", MARQUE_COS),
        ):
            t = t.replace(motif, remplacement)
        t = self._produits_implicites(t)
        self.texte = t
        self.decimal_ou_fraction = "." in t or "/" in t
        self.racine = self._branche(t)

    @staticmethod
    def _produits_implicites(t):
        sortie = []
        for i, d in enumerate(t):
            if i > 0:
                c = t[i - 1]
                chiffre_c = c.isdigit() or c == "."
                chiffre_d = d.isdigit() or d == "."
                lettre = lambda x: x.isascii() and x.isalpha()
                if (
                    (c == ")" or chiffre_c or lettre(c) or c == MARQUE_PI)
                    and (d == "(" or chiffre_d or lettre(d) or d in (MARQUE_PI, MARQUE_RACINE, MARQUE_COS))
                    and not (chiffre_c and chiffre_d)
                ):
                    sortie.append("*")
            sortie.append(d)
        return "".join(sortie)

    @staticmethod
    def _chercher(t, operateurs):
        profondeur = 0
        for i in range(len(t) - 1, -1, -1):
            c = t[i]
            if c == ")":
                profondeur += 1
            elif c == "(":
                profondeur -= 1
            if profondeur == 0 and c in operateurs and i != len(t) - 1:
                return i
        return -1

    def _operateur_principal(self, t):
        p = self._chercher(t, "+-")
        if p >= 0:
            if p == 0:
                return p, 9 if t[0] == "+" else 3
            return p, 1 if t[p] == "+" else 2
        p = self._chercher(t, "*/")
        if p >= 0:
            return p, 4 if t[p] == "*" else 5
        if t[0] not in "+-":
            p = self._chercher(t, "^")
            if p >= 0:
                return p, 6
        premier = t[0]
        if premier == "(":
            return -1, 8
        if premier == "+":
            return -1, 9
        if premier == "-":
            return -1, 3
        if premier.isdigit() or premier == MARQUE_PI:
            return -1, 10
        if premier.isascii() and premier.isalpha():
            return -1, 11
        raise ErreurLecture(2)

    def _marquer(self):
        self.simplifiable = True

    def _branche(self, t):
        t = t.strip()
        if t == "":
            raise ErreurLecture(2)
        n = Noeud(t, self.nombre_lettres)
        p, genre = self._operateur_principal(t)
        n.operateur = genre
        if genre in (1, 2, 4, 5, 6):
            n.gauche = self._branche(t[:p])
            n.droite = self._branche(t[p + 1 :])
            if genre == 4 and n.gauche.operateur == 5:
                raise ErreurLecture(6)
            if genre == 5 and n.gauche.operateur == 5:
                raise ErreurLecture(7)
            if genre == 6 and not (n.droite.entier and 2 <= n.droite.valeur_entiere <= 9):
                raise ErreurLecture(5)
        elif genre in (3, 9):
            if len(t) == 1:
                raise ErreurLecture(2)
            n.gauche = self._branche(t[1:])
        elif genre == 8:
            if not t.endswith(")"):
                raise ErreurLecture(2)
            n.gauche = self._branche(t[1:-1])
        elif genre == 10:
            if t == MARQUE_PI:
                n.valeur = math.pi
            else:
                if not re.fullmatch(r"\d{1,15}(\.\d{1,15})?", t):
                    raise ErreurLecture(2)
                n.valeur = float(t)
                n.entier = "." not in t or float(t) == int(float(t))
                if n.entier:
                    n.valeur_entiere = round(n.valeur)
        elif genre == 11:
            if len(t) != 1:
                raise ErreurLecture(2)
            if t not in self.lettres:
                raise ErreurLecture(4)
            n.variable = self.lettres.rindex(t) + 1
        self._attributs(n)
        return n

    def _attributs(self, n):
        l, r = n.gauche, n.droite
        g = n.operateur
        if g == 10:
            if n.texte != MARQUE_PI:
                n.avec_coefficient = n.numerique = n.somme_numerique = True
                if n.valeur == 0 and self.texte != "0":
                    self._marquer()
        elif g == 11:
            n.constante = False
            n.nombre_facteurs = 1
            n.degres[n.variable - 1] = 1
        elif g in (1, 2):
            n.constante = l.constante and r.constante
            if g == 2 and r.negatif:
                self._marquer()
            n.polynome = l.polynome and r.polynome
            if not n.constante:
                self.nombre_termes += 1
                if (
                    n.polynome
                    and (not l.monome or not r.monome or l.degres[0] == r.degres[0])
                    and MARQUE_RACINE not in n.texte
                ):
                    self.somme_reductible = True
                n.monome = n.avec_coefficient = n.negatif = False
                n.nombre_facteurs = 1
                n.degres = [max(a, b) for a, b in zip(l.degres, r.degres)]
            n.avec_coefficient = n.constante
            if n.avec_coefficient:
                n.negatif = l.negatif or r.negatif
                if l.negatif and r.negatif:
                    self._marquer()
                n.numerique = l.numerique or r.numerique
                n.avec_racine = l.avec_racine or r.avec_racine
            if n.constante:
                if not l.avec_racine and r.terme_rationnel:
                    self._marquer()
                if not r.avec_racine and l.terme_rationnel:
                    self._marquer()
                if l.terme_rationnel and r.terme_rationnel:
                    self._marquer()
                n.terme_rationnel = (
                    l.terme_rationnel or r.terme_rationnel or not l.avec_racine or not r.avec_racine
                )
                n.somme_numerique = l.somme_numerique or r.somme_numerique
                if l.somme_numerique and r.somme_numerique:
                    self._marquer()
        elif g == 4:
            n.constante = l.constante and r.constante
            n.polynome = l.polynome and r.polynome
            n.avec_coefficient = n.constante or l.avec_coefficient or r.avec_coefficient
            if n.avec_coefficient:
                n.negatif = l.negatif or r.negatif
                if l.negatif and r.negatif:
                    self._marquer()
                n.numerique = l.numerique or r.numerique
                n.avec_racine = l.avec_racine or r.avec_racine
            if not n.constante:
                n.monome = n.polynome and l.monome and r.monome
                if n.monome and l.avec_coefficient and r.avec_coefficient:
                    n.numerique = l.numerique or r.numerique
                    if l.numerique and r.numerique:
                        self._marquer()
                n.avec_coefficient = n.monome and (l.avec_coefficient or r.avec_coefficient)
                if not n.monome:
                    self.developpee = False
                n.nombre_facteurs = l.nombre_facteurs + r.nombre_facteurs
                n.degres = [a + b for a, b in zip(l.degres, r.degres)]
            if (l.entier and abs(l.valeur_entiere) == 1) or (r.entier and abs(r.valeur_entiere) == 1):
                self._marquer()
            if n.constante:
                n.somme_numerique = False
                if l.numerique and r.numerique:
                    self._marquer()
                if l.avec_racine and r.avec_racine:
                    self._marquer()
        elif g == 5:
            n.constante = l.constante and r.constante
            if n.constante and l.entier and r.entier:
                if r.valeur_entiere == 1:
                    self._marquer()
                elif l.valeur_entiere and r.valeur_entiere and math.gcd(l.valeur_entiere, r.valeur_entiere) > 1:
                    self._marquer()
            n.polynome = l.polynome and r.polynome and r.constante
            n.monome = n.polynome and l.monome
            if n.monome:
                n.avec_coefficient = True
                if r.negatif:
                    self._marquer()
                n.negatif = l.negatif or r.negatif
            else:
                self.developpee = False
            if n.polynome:
                n.degres = list(l.degres)
                n.nombre_facteurs = l.nombre_facteurs
        elif g == 6:
            e = r.valeur_entiere
            n.constante = l.constante and r.constante
            n.polynome = l.polynome and r.polynome and r.constante
            n.monome = n.polynome and l.monome
            if not n.monome:
                self.developpee = False
            if n.monome and l.avec_coefficient:
                self._marquer()
            if n.polynome:
                n.degres = [d * e for d in l.degres]
                n.nombre_facteurs = l.nombre_facteurs * e
            if l.avec_racine:
                self._marquer()
        elif g in (3, 9):
            c = l
            n.constante = c.constante
            if g == 3 and c.negatif:
                self._marquer()
            n.polynome, n.monome = c.polynome, c.monome
            if g == 3 and n.monome:
                n.avec_coefficient = n.negatif = True
            if n.avec_coefficient:
                n.avec_racine, n.numerique = c.avec_racine, c.numerique
            if not n.monome:
                self.developpee = False
            n.nombre_facteurs = c.nombre_facteurs
            n.degres = list(c.degres)
        elif g == 8:
            c = l
            for nom in (
                "constante", "entier", "valeur", "valeur_entiere", "polynome", "monome",
                "avec_coefficient", "negatif", "terme_rationnel", "somme_numerique",
                "nombre_facteurs",
            ):
                setattr(n, nom, getattr(c, nom))
            n.degres = list(c.degres)
            if n.avec_coefficient:
                n.avec_racine, n.numerique = c.avec_racine, c.numerique

    # -- évaluation
    def evaluer(self, valeurs):
        def ev(n):
            g = n.operateur
            if g == 10:
                return n.valeur
            if g == 11:
                return valeurs[n.variable - 1]
            if g == 1:
                return ev(n.gauche) + ev(n.droite)
            if g == 2:
                return ev(n.gauche) - ev(n.droite)
            if g == 4:
                return ev(n.gauche) * ev(n.droite)
            if g == 5:
                d = ev(n.droite)
                if abs(d) < 1e-20:
                    raise ZeroDivisionError
                return ev(n.gauche) / d
            if g == 6:
                return ev(n.gauche) ** round(ev(n.droite))
            if g == 3:
                return -ev(n.gauche)
            if g in (8, 9):
                return ev(n.gauche)
            raise ValueError("nœud non évaluable")

        return ev(self.racine)


def comparer(reponse, attendue, lettres, type_reponse, tolerance=1e-9):
    """Code de comparaison du programme (0 : réponse acceptée) pour une réponse donnée."""
    codes_erreur = {1: 10, 4: 9, 5: 13, 6: 14, 7: 15, 9: 17}
    try:
        p = Expression(reponse, lettres)
    except ErreurLecture as e:
        return codes_erreur.get(e.code, 2)
    try:
        a = Expression(attendue, lettres)
    except ErreurLecture:
        return 16
    if type_reponse <= 18 and not p.racine.polynome:
        return 4
    nl = len(lettres)
    if nl == 1:
        echantillons = [(x,) for x in range(-5, 6)]
    elif nl == 2:
        echantillons = [(x, y) for x in range(-4, 5) for y in range(-4, 5)]
    elif nl == 0:
        echantillons = [()]
    else:
        echantillons = []
    for v in echantillons:
        try:
            vp = p.evaluer(v)
            va = a.evaluer(v)
        except ZeroDivisionError:
            continue
        if abs(vp - va) > tolerance:
            return 3
    if type_reponse == 18 and "(" in reponse:
        return 12
    if type_reponse in (17, 18) and not p.developpee:
        return 5
    if type_reponse in (17, 18) and p.nombre_termes > a.nombre_termes:
        return 6
    if type_reponse == 16:
        if p.racine.nombre_facteurs < 2:
            return 7
        if p.racine.nombre_facteurs < a.racine.nombre_facteurs:
            return 8
        if p.somme_reductible:
            return 18
    if not a.decimal_ou_fraction and p.decimal_ou_fraction:
        p.simplifiable = True
    if p.simplifiable:
        return 11
    return 0


def facteurs_ecrits(reponse, lettres):
    """Facteurs non constants d'une forme factorisée, tels qu'écrits : [(texte, exposant)]."""
    e = Expression(reponse, lettres)
    facteurs = []

    def parcourir(n, exposant):
        if n.constante:
            return
        if n.operateur == 4:
            parcourir(n.gauche, exposant)
            parcourir(n.droite, exposant)
        elif n.operateur == 6:
            parcourir(n.gauche, exposant * n.droite.valeur_entiere)
        elif n.operateur in (3, 8, 9):
            parcourir(n.gauche, exposant)
        else:
            facteurs.append((n.texte, exposant))

    parcourir(e.racine, 1)
    return facteurs
