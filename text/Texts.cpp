// The program's texts. This file is UTF-8; the compiler turns every literal
// into Windows-1252, one byte per accented letter, as the ANSI window
// functions expect.
#include "text/StringTable.h"

#include "Version.h"

namespace {

struct CTextPair {
    int id;
    const char* french;
    const char* english;
};

#define KRELMOT_WEB_SITE "https://krelmot.example.org/"
#define KRELMOT_MAIL "krelmot@example.org"

const CTextPair TEXTS[] = {
    // Menu bar and menu items.
    {5000, "&Fichier", "&File"},
    {5001, "&Action", "&Action"},
    {5002, "&Langage", "&Language"},
    {5003, "&?", "&?"},
    {32792, "&Initialisation", "&Initialization"},
    {32771, "&Options", "&Options"},
    {32790, "&Fin", "&End"},
    {32779, "&Téléportation", "&Teleportation"},
    {32780, "&Sonic", "&Sonic"},
    {32783, "&Reste", "&Remain"},
    {32782, "&Coucou", "&Hello"},
    {32770, "&Aide", "&Help"},
    {32840, "A &propos ...", "&About ..."},

    // Menu help in the status bar: the command id + 1000.
    {33792, "Initialisation de la partie", "Game initialization"},
    {33771, "Paramètrage de l'application", "Program customization"},
    {33790, "Sortie de l'application", "End of the program"},
    {33779, "Changement aléatoire de position", "New random position"},
    {33780, "Destruction des robots voisins", "Near robots destruction"},
    {33783, "Reste à la même place jusqu'à la fin du tableau: victoire ou mort ...",
     "Remain at the same place until level end: victory or death ..."},
    {33782, "Il vous dira coucou", "He will tell you hello"},
    {33807, "Krelmot dans la langue de Valmaret", "Krelmot in Valmaret's mother tongue"},
    {33808, "Krelmot dans la langue de Quorrington", "Krelmot in Quorrington's mother tongue"},
    {33770, "Aide de l'application", "Program help"},
    {33840, "A propos de Krelmot", "About Krelmot"},

    // Toolbar button labels.
    {32813, "Initialisation", "Initialization"},
    {32814, "Options", "Options"},
    {32815, "Téléportation", "Teleportation"},
    {32816, "Sonic", "Sonic"},
    {32817, "Reste", "Remain"},
    {32818, "Coucou", "Hello"},
    {32819, "Aide", "Help"},
    {32820, "Fin", "End"},

    // Status bar: each counter's format, then the template that sizes its part.
    {32821, "Krelmot", "Krelmot "},
    {32822, "Tableau:%d", "Level:%d"},
    {32823, "Tableau:XXX", "Level:XXX"},
    {32824, "Sonic:%d", "Sonic:%d"},
    {32825, "Sonic:X", "Sonic:X"},
    {32826, "Télé:%d", "Tele:%d"},
    {32827, "Télé:XXX", "Tele:XXX"},
    {32828, "Meilleur Score:%d", "Best Score:%d"},
    {32829, "Meilleur Score:XXXXXX", "Best Score:XXXXXX"},

    // The welcome line drawn over the intro picture.
    {32793, "   Bienvenue cher Krelmoteur !   ", "   Welcome dear Krelmot user !   "},

    // Options sheet: caption, pages, intro list and the messages of its checks.
    {32812, "Options", "Options"},
    {32806, "Base", "Base"},
    {32809, "Avance", "Avanced"},
    {32810, "Debug base", "Debug base"},
    {32811, "Debug avancé", "Debug avanced"},
    {32796, "Pas d'intro#Intro 1#Intro 2#Intro 3#Intro 4#Intro 5#", "No intro#Intro 1#Intro 2#Intro 3#Intro 4#Intro 5#"},
    {32797, "La largeur doit être comprise entre %d et %d", "Width must be between %d and %d"},
    {32798, "La hauteur doit être comprise entre %d et %d", "Height must be between %d and %d"},
    {32799, "Le nombre de robots de base doit être compris entre %d et %d",
     "The base number of robots must be between %d and %d"},
    {32800, "Le nombre de robots ajoutés doit être compris entre %d et %d",
     "The added number of robots must be between %d and %d"},
    {32801, "La durée du déplacement doit être comprise entre 0 et %d", "Moving duration must be between 0 and %d"},
    {32802, "La durée de téléportation doit être comprise entre 0 et %d",
     "Teleportation time must be between 0 and %d"},
    {32803, "La durée de \"sonic\" doit être comprise entre 0 et %d", "Sonic time must be between 0 and %d"},
    {32804, "La durée de \"coucou\" doit être comprise entre 0 et %d", "Hello time must be between 0 and %d"},
    {32805, "La durée d'\"explosion robot\" doit être comprise entre 0 et %d",
     "Robot exploration duration must be between 0 and %d"},

    // Dialog controls, by control id.
    {1064, "Son", "Sound"},
    {1062, "Religion", "Religion"},
    {1063, "Athée", "Atheist"},
    {1059, "Chrétienne", "Christian"},
    {1067, "Juive", "Jewish"},
    {1068, "Musulmane", "Muslim"},
    {1065, "Autre", "Else"},
    {1035, "Couleur de fond", "Background color"},
    {1050, "Dimensions fenêtre", "Window size"},
    {1005, "Largeur", "Width"},
    {1007, "Hauteur", "Height"},
    {1081, "Defaut", "Default"},
    {1048, "Nombre de robots", "Number of robots"},
    {1044, "Base", "Base"},
    {1047, "Ajout", "Add"},
    {1049, "Valeurs par défaut", "Default values"},
    {1051, "Temps (ms)", "Time (ms)"},
    {1038, "Déplacement", "Move"},
    {1040, "Téléportation", "Teleportation"},
    {1052, "Sonic", "Sonic"},
    {1054, "Coucou", "Hello"},
    {1060, "Explosion", "Explosion"},
    {1055, "Essai", "Test"},
    {1056, "Essai", "Test"},
    {1057, "Essai", "Test"},
    {1058, "Essai", "Test"},
    {1061, "Essai", "Test"},
    {1012, "Grille", "Grid"},
    {1013, "Immortalité", "Immortality"},
    {1069, "Nom complet fichier INI", "Full INI file name"},
    {1074, "Liste Wave", "Wave List"},
    {1075, "Liste Bitmap", "Bitmap List"},
    {1080, "Merci Tessarin Software !", "Thank you Tessarin Software !"},
    {1091,
     KRELMOT_TITLE ", © 2001, écrit par l'équipe Krelmot pour Tessarin Software.\r\n\r\n"
     "Y jouer ne coûte rien ;-)",
     KRELMOT_TITLE ", © 2001, written by the Krelmot team for Tessarin Software.\r\n\r\n"
     "Playing it is free of charge ;-)"},

    // Dialog titles, the about and help dialogs, the debug list's columns.
    {103, "Aide", "Help"},
    {264, "A propos ...", "About ..."},
    {32838, "De rien !", "De rien !"},
    {110, KRELMOT_WEB_SITE, KRELMOT_WEB_SITE},
    {111, "Site web: %s", "Web site: %s"},
    {32835, KRELMOT_MAIL, KRELMOT_MAIL},
    {32836, "Remarques et suggestions: %s", "Remarks and suggestions: %s"},
    {32837, "mailto:%s?subject=%s FR", "mailto:%s?subject=%s EN"},
    {32830, "Personnage", "Character"},
    {32831, "Pos Col", "Col Pos"},
    {32832, "Pos Lig", "Lin Pos"},
    {32833, "Pt Col", "Col Pt"},
    {32834, "Pt Lig", "Lig Pt"},
};

}

int RegisterAllTexts(CStringTable& table)
{
    int result = 0;
    for (size_t i = 0; i < sizeof TEXTS / sizeof TEXTS[0]; ++i) {
        if (table.RegisterText(LANG_FRENCH, TEXTS[i].id, TEXTS[i].french) != 0)
            result = -1;
        if (table.RegisterText(LANG_ENGLISH, TEXTS[i].id, TEXTS[i].english) != 0)
            result = -1;
    }
    return result;
}
