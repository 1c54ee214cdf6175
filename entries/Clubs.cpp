#include "entries/Clubs.h"

namespace lists {

// Both lists are kept in the entry list's order (German, ignoring case), as the window shows them.

QStringList clubs()
{
    return {
        QStringLiteral("DJK Kirchdorf"),
        QStringLiteral("ESV Birkenstadt"),
        QStringLiteral("FC Steinach 1921"),
        QStringLiteral("MTV Feldkirchen"),
        QStringLiteral("Post SV Musterstadt"),
        QStringLiteral("SC Wiesenbach"),
        QStringLiteral("SG Mühlbach"),
        QStringLiteral("Skiclub Hochalm"),
        QStringLiteral("SpVgg Kleinfeld"),
        QStringLiteral("SV Blau-Weiß Auental"),
        QStringLiteral("SV Grünwiesen"),
        QStringLiteral("TG Seewalden"),
        QStringLiteral("TG Talhausen"),
        QStringLiteral("TSG Rosenfeld"),
        QStringLiteral("TSV Bergheim 1888"),
        QStringLiteral("TSV Unterweiler"),
        QStringLiteral("TSV Waldhausen"),
        QStringLiteral("Turnerbund Sonnenberg"),
        QStringLiteral("Turnverein Neudorf-Altstadt"),
        QStringLiteral("TuS Fichtenberg"),
        QStringLiteral("TuS Lindenhof"),
        QStringLiteral("TV Hasenweiler"),
        QStringLiteral("TV Musterstadt"),
        QStringLiteral("TV Oberweiler"),
        QStringLiteral("TV Schönau am Bach"),
        QStringLiteral("VfL Eichenau"),
    };
}

QStringList events()
{
    return {
        QStringLiteral("Gaubergfest"),
        QStringLiteral("Gauturnfest"),
        QStringLiteral("Kinderturnfest"),
        QStringLiteral("Minitrampolin-Meisterschaften"),
    };
}

} // namespace lists
