// The profile implementations that one behaviour suite runs against: the
// portable one everywhere, the system's own in the Windows builds.
#ifndef KRELMOT_TESTS_SETTINGS_PROFILES_H
#define KRELMOT_TESTS_SETTINGS_PROFILES_H

#include <gtest/gtest.h>

#include "settings/PortableProfile.h"
#ifdef _WIN32
#include "settings/WinProfile.h"
#endif

struct CProfileKind {
    const char* name;
    CProfile& (*get)();
};

inline CProfile& PortableProfile()
{
    static CPortableProfile profile;
    return profile;
}

#ifdef _WIN32
inline CProfile& WindowsProfile()
{
    static CWinProfile profile;
    return profile;
}
#endif

inline std::vector<CProfileKind> ProfileKinds()
{
    std::vector<CProfileKind> kinds;
    CProfileKind portable = {"Portable", PortableProfile};
    kinds.push_back(portable);
#ifdef _WIN32
    CProfileKind windows = {"Windows", WindowsProfile};
    kinds.push_back(windows);
#endif
    return kinds;
}

inline std::string ProfileKindName(const ::testing::TestParamInfo<CProfileKind>& info) { return info.param.name; }

inline std::ostream& operator<<(std::ostream& out, const CProfileKind& kind) { return out << kind.name; }

#endif
