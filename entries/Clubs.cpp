#include "Clubs.h"

namespace lists {

QStringList Clubs()
{
    return {
        QStringLiteral("TV Musterstadt"),      QStringLiteral("SV Blau-Weiß Auental"),
        QStringLiteral("TSV Bergheim 1888"),   QStringLiteral("TuS Lindenhof"),
        QStringLiteral("SC Wiesenbach"),       QStringLiteral("TG Talhausen"),
        QStringLiteral("VfL Eichenau"),        QStringLiteral("TSG Rosenfeld"),
        QStringLiteral("DJK Kirchdorf"),       QStringLiteral("TV Oberweiler"),
        QStringLiteral("SG Mühlbach"),         QStringLiteral("TSV Unterweiler"),
        QStringLiteral("FC Steinach 1921"),    QStringLiteral("Turnerbund Sonnenberg"),
        QStringLiteral("TV Hasenweiler"),      QStringLiteral("SpVgg Kleinfeld"),
        QStringLiteral("TSV Waldhausen"),      QStringLiteral("ESV Birkenstadt"),
        QStringLiteral("MTV Feldkirchen"),     QStringLiteral("TV Schönau am Bach"),
        QStringLiteral("SV Grünwiesen"),       QStringLiteral("TuS Fichtenberg"),
        QStringLiteral("TG Seewalden"),        QStringLiteral("Skiclub Hochalm"),
        QStringLiteral("Post SV Musterstadt"), QStringLiteral("Turnverein Neudorf-Altstadt"),
    };
}

QStringList Events()
{
    return {
        QStringLiteral("Gaubergfest"),
        QStringLiteral("Gauturnfest"),
        QStringLiteral("Kinderturnfest"),
        QStringLiteral("Minitrampolin-Meisterschaften"),
    };
}

} // namespace lists
