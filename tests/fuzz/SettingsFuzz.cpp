// Any INI content as the settings file: every setting ends within its bounds
// (or at whatever the file said, for the unbounded ones), and what the
// program writes back at shutdown reads back as the same settings.
#include "settings/PortableProfile.h"
#include "settings/SettingsStore.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

void Load(CSettingsStore& store, CSettings& settings)
{
    CStartupFacts facts = {true, ScratchFolder() + "/Krelmot.exe", 1, CScreenMetrics{1280, 1024, 8, 46, 40, 20}};
    FUZZ_CHECK(store.LoadSettings(settings, 0, facts) == 0);
    FUZZ_CHECK(store.LoadSettings(settings, 1, facts) == 0);
}

bool Within(const CIntSetting& s, int low, int high) { return s.value >= low && s.value <= high; }

std::vector<int> Values(const CSettings& s)
{
    return {s.col_fenetre.value, s.lig_fenetre.value, s.langue.value,      s.largeur.value,      s.hauteur.value,
            s.religion.value,    s.son.value,         s.intro.value,       s.coul_fond.value,    s.grille.value,
            s.immortalite.value, s.temps_move.value,  s.temps_tele.value,  s.temps_sonic.value,  s.temps_coucou.value,
            s.temps_rex.value,   s.nb_robot_base.value, s.nb_robot_incr.value, s.meilleur_score.value};
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteScratch(std::string((const char*)data, size));
    CPortableProfile profile;
    CSettingsStore store(profile);
    CSettings settings;
    Load(store, settings);

    FUZZ_CHECK(Within(settings.langue, 0, 1));
    FUZZ_CHECK(Within(settings.largeur, BOUNDS.minColumns, BOUNDS.maxColumns));
    FUZZ_CHECK(Within(settings.hauteur, BOUNDS.minLines, BOUNDS.maxLines));
    const CIntSetting* durations[] = {&settings.temps_move, &settings.temps_tele, &settings.temps_sonic,
                                      &settings.temps_coucou, &settings.temps_rex};
    for (const CIntSetting* d : durations) FUZZ_CHECK(Within(*d, 0, BOUNDS.maxDuration));

    FUZZ_CHECK(store.WriteChangedSettings(settings) == 0);
    CSettings again;
    Load(store, again);
    FUZZ_CHECK(Values(again) == Values(settings));
    return 0;
}
