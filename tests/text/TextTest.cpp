// The string table and the program's texts: registration and lookups, the
// first language from the user's locale (under Wine from the registry of the
// test's own prefix too), and all 104 texts byte for byte in Windows-1252.
#include <gtest/gtest.h>

#include "tests/shell/MessageRecorder.h"
#include "text/Locale.h"
#include "text/StringTable.h"
#ifdef _WIN32
#include <winnt.h>
static_assert(LANG_FRENCH == 0 && LANG_ENGLISH == 1, "the system's headers must not redefine our languages");
#endif

namespace {

// A locale of the test's own in place of the system's while it lives; no
// text stands for a locale that cannot be read.
class CLocaleSwap {
public:
    explicit CLocaleSwap(const char* text) : previous(g_localeReader)
    {
        Text() = text;
        g_localeReader = text ? Read : Fail;
    }
    ~CLocaleSwap() { g_localeReader = previous; }

private:
    static const char*& Text() { static const char* text; return text; }
    static int Read(std::string& value) { value = Text(); return 0; }
    static int Fail(std::string&) { return -1; }

    LocaleReader previous;
};

const struct {
    int id;
    const char *french, *english;
} TEXTS[] = {
    {5000, "&Fichier", "&File"}, {5001, "&Action", "&Action"}, {5002, "&Langage", "&Language"}, {5003, "&?", "&?"},
    {32792, "&Initialisation", "&Initialization"}, {32771, "&Options", "&Options"}, {32790, "&Fin", "&End"},
    {32779, "&T\xe9l\xe9portation", "&Teleportation"}, {32780, "&Sonic", "&Sonic"}, {32783, "&Reste", "&Remain"},
    {32782, "&Coucou", "&Hello"}, {32770, "&Aide", "&Help"}, {32840, "A &propos ...", "&About ..."},
    {33792, "Initialisation de la partie", "Game initialization"},
    {33771, "Param\xe8trage de l'application", "Program customization"},
    {33790, "Sortie de l'application", "End of the program"},
    {33779, "Changement al\xe9" "atoire de position", "New random position"},
    {33780, "Destruction des robots voisins", "Near robots destruction"},
    {33783, "Reste \xe0 la m\xeame place jusqu'\xe0 la fin du tableau: victoire ou mort ...", "Remain at the same place until level end: victory or death ..."},
    {33782, "Il vous dira coucou", "He will tell you hello"},
    {33807, "Krelmot dans la langue de Valmaret", "Krelmot in Valmaret's mother tongue"},
    {33808, "Krelmot dans la langue de Quorrington", "Krelmot in Quorrington's mother tongue"},
    {33770, "Aide de l'application", "Program help"}, {33840, "A propos de Krelmot", "About Krelmot"},
    {32813, "Initialisation", "Initialization"}, {32814, "Options", "Options"},
    {32815, "T\xe9l\xe9portation", "Teleportation"}, {32816, "Sonic", "Sonic"}, {32817, "Reste", "Remain"},
    {32818, "Coucou", "Hello"}, {32819, "Aide", "Help"}, {32820, "Fin", "End"}, {32821, "Krelmot", "Krelmot "},
    {32822, "Tableau:%d", "Level:%d"}, {32823, "Tableau:XXX", "Level:XXX"}, {32824, "Sonic:%d", "Sonic:%d"},
    {32825, "Sonic:X", "Sonic:X"}, {32826, "T\xe9l\xe9:%d", "Tele:%d"}, {32827, "T\xe9l\xe9:XXX", "Tele:XXX"},
    {32828, "Meilleur Score:%d", "Best Score:%d"}, {32829, "Meilleur Score:XXXXXX", "Best Score:XXXXXX"},
    {32793, "   Bienvenue cher Krelmoteur !   ", "   Welcome dear Krelmot user !   "}, {32812, "Options", "Options"},
    {32806, "Base", "Base"}, {32809, "Avance", "Avanced"}, {32810, "Debug base", "Debug base"},
    {32811, "Debug avanc\xe9", "Debug avanced"},
    {32796, "Pas d'intro#Intro 1#Intro 2#Intro 3#Intro 4#Intro 5#", "No intro#Intro 1#Intro 2#Intro 3#Intro 4#Intro 5#"},
    {32797, "La largeur doit \xeatre comprise entre %d et %d", "Width must be between %d and %d"},
    {32798, "La hauteur doit \xeatre comprise entre %d et %d", "Height must be between %d and %d"},
    {32799, "Le nombre de robots de base doit \xeatre compris entre %d et %d", "The base number of robots must be between %d and %d"},
    {32800, "Le nombre de robots ajout\xe9s doit \xeatre compris entre %d et %d", "The added number of robots must be between %d and %d"},
    {32801, "La dur\xe9" "e du d\xe9placement doit \xeatre comprise entre 0 et %d", "Moving duration must be between 0 and %d"},
    {32802, "La dur\xe9" "e de t\xe9l\xe9portation doit \xeatre comprise entre 0 et %d", "Teleportation time must be between 0 and %d"},
    {32803, "La dur\xe9" "e de \"sonic\" doit \xeatre comprise entre 0 et %d", "Sonic time must be between 0 and %d"},
    {32804, "La dur\xe9" "e de \"coucou\" doit \xeatre comprise entre 0 et %d", "Hello time must be between 0 and %d"},
    {32805, "La dur\xe9" "e d'\"explosion robot\" doit \xeatre comprise entre 0 et %d", "Robot exploration duration must be between 0 and %d"},
    {1064, "Son", "Sound"}, {1062, "Religion", "Religion"}, {1063, "Ath\xe9" "e", "Atheist"},
    {1059, "Chr\xe9tienne", "Christian"}, {1067, "Juive", "Jewish"}, {1068, "Musulmane", "Muslim"},
    {1065, "Autre", "Else"}, {1035, "Couleur de fond", "Background color"},
    {1050, "Dimensions fen\xeatre", "Window size"}, {1005, "Largeur", "Width"}, {1007, "Hauteur", "Height"},
    {1081, "Defaut", "Default"}, {1048, "Nombre de robots", "Number of robots"}, {1044, "Base", "Base"},
    {1047, "Ajout", "Add"}, {1049, "Valeurs par d\xe9" "faut", "Default values"}, {1051, "Temps (ms)", "Time (ms)"},
    {1038, "D\xe9placement", "Move"}, {1040, "T\xe9l\xe9portation", "Teleportation"}, {1052, "Sonic", "Sonic"},
    {1054, "Coucou", "Hello"}, {1060, "Explosion", "Explosion"}, {1055, "Essai", "Test"}, {1056, "Essai", "Test"},
    {1057, "Essai", "Test"}, {1058, "Essai", "Test"}, {1061, "Essai", "Test"}, {1012, "Grille", "Grid"},
    {1013, "Immortalit\xe9", "Immortality"}, {1069, "Nom complet fichier INI", "Full INI file name"},
    {1074, "Liste Wave", "Wave List"}, {1075, "Liste Bitmap", "Bitmap List"},
    {1080, "Merci Tessarin Software !", "Thank you Tessarin Software !"},
    {1091, "Krelmot 1.0, \xa9 2001, \xe9" "crit par l'\xe9quipe Krelmot pour Tessarin Software.\r\n\r\nY jouer ne co\xfbte rien ;-)", "Krelmot 1.0, \xa9 2001, written by the Krelmot team for Tessarin Software.\r\n\r\nPlaying it is free of charge ;-)"},
    {103, "Aide", "Help"}, {264, "A propos ...", "About ..."}, {32838, "De rien !", "De rien !"},
    {110, "https://krelmot.example.org/", "https://krelmot.example.org/"}, {111, "Site web: %s", "Web site: %s"},
    {32835, "krelmot@example.org", "krelmot@example.org"},
    {32836, "Remarques et suggestions: %s", "Remarks and suggestions: %s"},
    {32837, "mailto:%s?subject=%s FR", "mailto:%s?subject=%s EN"}, {32830, "Personnage", "Character"},
    {32831, "Pos Col", "Col Pos"}, {32832, "Pos Lig", "Lin Pos"}, {32833, "Pt Col", "Col Pt"},
    {32834, "Pt Lig", "Lig Pt"},
};

}

TEST(Texts, AllTheProgramsTextsAreRegisteredInBothLanguagesInWindows1252)
{
    CLocaleSwap english("00000409");
    CMessageRecorder recorder;
    CStringTable table;
    EXPECT_EQ(0, RegisterAllTexts(table));
    EXPECT_TRUE(recorder.boxes.empty());
    ASSERT_EQ(104u, sizeof TEXTS / sizeof TEXTS[0]);
    for (int language : {LANG_FRENCH, LANG_ENGLISH}) {
        EXPECT_EQ(104u, table.tables[language].size());
        table.SetLanguage(language);
        for (auto& t : TEXTS) EXPECT_STREQ(language == LANG_FRENCH ? t.french : t.english, table.GetText(t.id)) << t.id;
    }
}

TEST(StringTable, TheFirstTextOfAnIdentifierStaysAndLookupsUseTheCurrentLanguage)
{
    CLocaleSwap english("00000409");
    CMessageRecorder recorder;
    CStringTable table;
    char source[] = "Tableau:%d";
    EXPECT_EQ(0, table.RegisterText(LANG_FRENCH, 32822, source));
    source[0] = 'X';  // the table keeps its own copy
    EXPECT_EQ(-1, table.RegisterText(LANG_FRENCH, 32822, "Niveau:%d"));
    EXPECT_EQ(0, table.RegisterText(LANG_ENGLISH, 32822, "Level:%d")) << "the other language is another table";
    EXPECT_EQ(0, table.RegisterText(LANG_ENGLISH, 6, ""));
    EXPECT_EQ(0, table.RegisterText(LANG_ENGLISH, -3, "minus three"));
    EXPECT_EQ(-1, table.RegisterText(2, 1, "x"));
    EXPECT_EQ(-1, table.RegisterText(-1, 1, "x"));
    EXPECT_EQ(-1, table.RegisterText(LANG_FRENCH, 1, nullptr));
    ASSERT_EQ(1u, recorder.boxes.size());
    EXPECT_EQ("Pb <32822><Niveau:%d> deja defini avec <Tableau:%d>", recorder.boxes[0].text);
    EXPECT_EQ((UINT)(MB_ICONERROR | MB_TASKMODAL), recorder.boxes[0].type);
    const char* kept = table.GetText(32822);
    for (int id = 0; id < 2000; ++id) table.RegisterText(LANG_ENGLISH, 40000 + id, "filler");
    EXPECT_EQ(kept, table.GetText(32822)) << "a text stays where it is as long as the table";
    const struct {
        int language, id;
        const char* text;
    } lookups[] = {{LANG_FRENCH, 32822, "Tableau:%d"}, {LANG_ENGLISH, 32822, "Level:%d"}, {LANG_ENGLISH, 6, ""},
                   {LANG_ENGLISH, -3, "minus three"},  {LANG_FRENCH, 6, nullptr},         {LANG_ENGLISH, 1, nullptr}};
    for (auto& l : lookups) {
        EXPECT_EQ(0, table.SetLanguage(l.language));
        EXPECT_STREQ(l.text, table.GetText(l.id)) << l.language << "/" << l.id;
    }
    for (int language : {-1, 2, 0x0C})  // the last is the system's own French identifier
        EXPECT_EQ(-1, table.SetLanguage(language));
    EXPECT_EQ(LANG_ENGLISH, table.GetLanguage());
}

TEST(Locale, AFrenchLocaleOfAnyCountryMakesFrenchTheFirstLanguage)
{
    const std::vector<const char*> locales[] = {
        {"0000040C", "0000080C", "00000C0C", "0000100C", "0000040c", "0x40C", "  40C", "40Czz", "0000000C"},
        {"00000409", "00000407", "0000040D", "0000040B", "", "zz", nullptr}};  // the last unreadable
    for (int language : {LANG_FRENCH, LANG_ENGLISH})
        for (const char* value : locales[language]) {
            std::string name = value ? value : "unreadable";
            EXPECT_EQ(language, LanguageOfLocale(value ? value : "")) << name;
            CLocaleSwap swap(value);
            CStringTable table;
            EXPECT_EQ(language, table.GetDefaultLanguage()) << name;
            EXPECT_EQ(language, table.GetLanguage()) << "the first lookups use it: " << name;
            EXPECT_EQ(value ? 0 : -1, table.DetectDefaultLanguage()) << name;
        }
    LocaleReader system = g_localeReader;
    g_localeReader = nullptr;
    EXPECT_EQ(-1, CStringTable().DetectDefaultLanguage());
    g_localeReader = system;
}

#ifdef _WIN32
// Each case writes the value and reads the first language; the old value comes back.
TEST(Locale, TheUsersLocaleInTheRegistryChoosesTheFirstLanguage)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_USERS, ".DEFAULT\\Control Panel\\International", 0, NULL, 0,
                                             KEY_READ | KEY_WRITE, NULL, &key, NULL));
    BYTE saved[256];
    DWORD type = 0, size = sizeof saved;
    bool had = RegQueryValueExA(key, "Locale", NULL, &type, saved, &size) == ERROR_SUCCESS;
    const struct {
        DWORD type;
        std::string bytes;
        int read, language;
    } cases[] = {
        {REG_SZ, std::string("0000040C", 9), 0, LANG_FRENCH}, {REG_SZ, std::string("0000080C", 9), 0, LANG_FRENCH},
        {REG_SZ, std::string("00000409", 9), 0, LANG_ENGLISH}, {REG_SZ, std::string("00000407", 9), 0, LANG_ENGLISH},
        // Sixteen characters and the terminator do not fit the 16-byte read;
        // sixteen bytes without one do, and are read no further.
        {REG_SZ, std::string("000000000000040C", 17), -1, LANG_ENGLISH},
        {REG_BINARY, std::string("000000000000040C"), 0, LANG_FRENCH},
    };
    for (auto& c : cases) {
        const BYTE* bytes = (const BYTE*)c.bytes.data();
        EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, "Locale", 0, c.type, bytes, (DWORD)c.bytes.size()));
        std::string value;
        EXPECT_EQ(c.read, ReadSystemLocale(value)) << c.bytes;
        EXPECT_EQ(c.language, CStringTable().GetDefaultLanguage()) << c.bytes;
    }
    RegDeleteValueA(key, "Locale");
    std::string value;
    EXPECT_EQ(-1, ReadSystemLocale(value)) << "a missing value";
    EXPECT_EQ(LANG_ENGLISH, CStringTable().GetDefaultLanguage());
    if (had) RegSetValueExA(key, "Locale", 0, type, saved, size);
    RegCloseKey(key);
}
#endif
