#include "ui/dessins.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

#include <array>

namespace {

struct TdescriptionPicto {
    Tpicto picto;
    int largeur;
    int hauteur;
    QRgb couleur;
    const char* mot; // mot écrit dans l'image, vide pour un pictogramme seul
};

// Boutons des barres d'outils : 28 × 28 ; boutons du panneau de la solution : 92 × 30.
constexpr std::array<TdescriptionPicto, 14> descriptions{{
    {Tpicto::Accueil, 28, 28, 0xFF2E5E8C, ""},
    {Tpicto::Precedent, 28, 28, 0xFFB05A00, ""},
    {Tpicto::Suivant, 28, 28, 0xFFB05A00, ""},
    {Tpicto::Bilan, 28, 28, 0xFF0B6101, ""},
    {Tpicto::RevoirCours, 92, 26, 0xFFB05A00, "Cours"},
    {Tpicto::PourSexercer, 110, 26, 0xFF0B6101, "S'exercer"},
    {Tpicto::Retour, 92, 26, 0xFF2E5E8C, "Retour"},
    {Tpicto::Suite, 92, 30, 0xFF0B6101, "Suite"},
    {Tpicto::Solution, 92, 30, 0xFF8C2E5E, "Solution"},
    {Tpicto::Reessayer, 92, 30, 0xFFB05A00, "Réessayer"},
    {Tpicto::Correction, 92, 30, 0xFF2E5E8C, "Correction"},
    {Tpicto::Sommaire, 92, 30, 0xFF0B6101, "Sommaire"},
    {Tpicto::Avancer, 28, 28, 0xFF00709A, ""},
    {Tpicto::Reculer, 28, 28, 0xFF00709A, ""},
}};

const TdescriptionPicto& description(Tpicto picto) {
    return descriptions[static_cast<std::size_t>(picto)];
}

QPolygonF fleche(const QRectF& r, bool versDroite) {
    const double cx = r.center().x();
    const double cy = r.center().y();
    const double d = r.height() * 0.28;
    const double s = versDroite ? 1.0 : -1.0;
    return QPolygonF(
        {QPointF(cx - s * d, cy - d), QPointF(cx + s * d, cy), QPointF(cx - s * d, cy + d)});
}

void dessinerMaison(QPainter& p, const QRectF& r) {
    const double g = r.left() + r.width() * 0.22;
    const double d = r.right() - r.width() * 0.22;
    const double h = r.top() + r.height() * 0.2;
    const double b = r.bottom() - r.height() * 0.2;
    const double m = r.top() + r.height() * 0.48;
    QPainterPath chemin;
    chemin.moveTo(r.center().x(), h);
    chemin.lineTo(d + 3, m);
    chemin.lineTo(d, m);
    chemin.lineTo(d, b);
    chemin.lineTo(g, b);
    chemin.lineTo(g, m);
    chemin.lineTo(g - 3, m);
    chemin.closeSubpath();
    p.drawPath(chemin);
}

void dessinerBarres(QPainter& p, const QRectF& r) {
    const double base = r.bottom() - r.height() * 0.2;
    const double l = r.width() * 0.14;
    const std::array<double, 3> hauteurs{0.3, 0.55, 0.42};
    for (std::size_t i = 0; i < hauteurs.size(); ++i) {
        const double x = r.left() + r.width() * 0.22 + static_cast<double>(i) * l * 1.5;
        p.drawRect(QRectF(x, base - r.height() * hauteurs[i], l, r.height() * hauteurs[i]));
    }
}

} // namespace

QSize taillePicto(Tpicto picto) {
    const auto& d = description(picto);
    return {d.largeur, d.hauteur};
}

void dessinerPicto(QPainter& p, Tpicto picto, const QRectF& rect, bool actif, bool survol) {
    const auto& d = description(picto);
    QColor couleur = actif ? QColor::fromRgb(d.couleur) : QColor(150, 150, 150);
    if (survol && actif) {
        couleur = couleur.lighter(125);
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect.adjusted(1, 1, -1, -1);
    p.setPen(QPen(couleur.darker(140), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    const QRectF carre(r.left() + 3, r.top() + 3, r.height() - 6, r.height() - 6);
    switch (picto) {
    case Tpicto::Accueil:
        dessinerMaison(p, carre);
        break;
    case Tpicto::Bilan:
        dessinerBarres(p, carre);
        break;
    case Tpicto::Precedent:
    case Tpicto::Reculer:
    case Tpicto::Retour:
        p.drawPolygon(fleche(carre, false));
        break;
    case Tpicto::Correction:
    case Tpicto::Solution: {
        p.drawEllipse(carre.adjusted(4, 4, -4, -4));
        break;
    }
    case Tpicto::Reessayer: {
        p.setPen(QPen(couleur, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(carre.adjusted(5, 5, -5, -5), 60 * 16, 280 * 16);
        break;
    }
    default:
        p.drawPolygon(fleche(carre, true));
        break;
    }
    if (*d.mot != '\0') {
        QFont police(QStringLiteral("Liberation Sans"));
        police.setBold(true);
        police.setPixelSize(static_cast<int>(r.height() * 0.46));
        p.setFont(police);
        p.setPen(couleur.darker(120));
        p.drawText(r.adjusted(r.height() - 2, 0, -4, 0), Qt::AlignCenter, QString::fromUtf8(d.mot));
    }
    p.restore();
}

QImage imageVerdict(TimageVerdict verdict, double rapport) {
    const int cote = static_cast<int>(coteVerdict * rapport + 0.5);
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(rapport);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, coteVerdict - 4, coteVerdict - 4);
    static constexpr std::array<QRgb, 4> fonds{0xFF20A020, 0xFFD02020, 0xFFE09000, 0xFF2060C0};
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor::fromRgb(fonds[static_cast<std::size_t>(verdict)]));
    p.drawEllipse(r);
    p.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (verdict) {
    case TimageVerdict::Exacte:
        p.drawPolyline(QPolygonF({QPointF(11, 21), QPointF(17, 28), QPointF(29, 12)}));
        break;
    case TimageVerdict::Fausse:
        p.drawLine(QPointF(13, 13), QPointF(27, 27));
        p.drawLine(QPointF(27, 13), QPointF(13, 27));
        break;
    case TimageVerdict::Incorrecte: {
        QFont police(QStringLiteral("Liberation Sans"));
        police.setBold(true);
        police.setPixelSize(26);
        p.setFont(police);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case TimageVerdict::Solution:
        p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPointF(12, 13 + 7 * i), QPointF(28 - 4 * (i == 2), 13 + 7 * i));
        }
        break;
    }
    return image;
}

QImage imageCalculatrice(double rapport) {
    QImage image(static_cast<int>(largeurCalculatrice * rapport + 0.5),
                 static_cast<int>(hauteurCalculatrice * rapport + 0.5),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(rapport);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    p.setBrush(QColor(70, 80, 95));
    p.drawRoundedRect(QRectF(1, 1, largeurCalculatrice - 2, hauteurCalculatrice - 2), 5, 5);
    p.setBrush(QColor(200, 220, 190));
    p.drawRect(QRectF(6, 6, largeurCalculatrice - 12, 13));
    p.setPen(Qt::NoPen);
    for (int ligne = 0; ligne < 4; ++ligne) {
        for (int colonne = 0; colonne < 4; ++colonne) {
            p.setBrush(colonne == 3 ? QColor(230, 140, 40) : QColor(225, 225, 225));
            p.drawRoundedRect(QRectF(6 + colonne * 8.5, 24 + ligne * 8.5, 6.5, 6.5), 1.5, 1.5);
        }
    }
    return image;
}
