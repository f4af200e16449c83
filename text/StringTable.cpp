#include "text/StringTable.h"

#include "shell/sl/ErrorReport.h"
#include "text/Locale.h"

CStringTable::CStringTable() : language(LANG_ENGLISH), defaultLanguage(LANG_ENGLISH)
{
    DetectDefaultLanguage();
    language = defaultLanguage;
}

int CStringTable::RegisterText(int textLanguage, int id, const char* text)
{
    if (!IsLanguage(textLanguage) || !text)
        return -1;
    std::map<int, std::string>& table = tables[textLanguage];
    std::map<int, std::string>::const_iterator found = table.find(id);
    if (found != table.end()) {
        SL_Erreur("Pb <%d><%s> deja defini avec <%s>", id, text, found->second.c_str());
        return -1;
    }
    table[id] = text;
    return 0;
}

const char* CStringTable::GetText(int id) const
{
    const std::map<int, std::string>& table = tables[language];
    std::map<int, std::string>::const_iterator found = table.find(id);
    return found == table.end() ? 0 : found->second.c_str();
}

int CStringTable::SetLanguage(int newLanguage)
{
    if (!IsLanguage(newLanguage))
        return -1;
    language = newLanguage;
    return 0;
}

int CStringTable::DetectDefaultLanguage()
{
    std::string locale;
    if (!g_localeReader || g_localeReader(locale) != 0) {
        defaultLanguage = LANG_ENGLISH;
        return -1;
    }
    defaultLanguage = LanguageOfLocale(locale);
    return 0;
}
