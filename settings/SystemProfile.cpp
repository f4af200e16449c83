#include "settings/SettingsStore.h"

#ifdef _WIN32
#include "settings/WinProfile.h"
typedef CWinProfile CSystemProfile;
#else
#include "settings/PortableProfile.h"
typedef CPortableProfile CSystemProfile;
#endif

CProfile& SystemProfile()
{
    static CSystemProfile profile;
    return profile;
}
