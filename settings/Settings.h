// The game's persistent choices and the best score, and the constant bounds
// that the dialogs and the window sizing apply to them.
#ifndef KRELMOT_SETTINGS_SETTINGS_H
#define KRELMOT_SETTINGS_SETTINGS_H

#include <string>

template <class V>
class CSetting {
public:
    CSetting() : changed(false), value() {}

    V Get() const { return value; }
    // Stores the value, marking the setting changed, only when it differs.
    void Set(V newValue)
    {
        if (newValue != value) {
            value = newValue;
            changed = true;
        }
    }

    std::string section;
    std::string key;
    bool changed;
    V value;
};

typedef CSetting<int> CIntSetting;
typedef CSetting<bool> CBoolSetting;

struct CBounds {
    int minColumns;
    int maxColumns;
    int minLines;
    int maxLines;
    int minBaseRobots;
    int maxBaseRobots;
    int minAddedRobots;
    int maxAddedRobots;
    int maxDuration;
    int teleportMaxSize;
};

const CBounds BOUNDS = {15, 110, 15, 80, 1, 300, 1, 100, 5000, 96};

// In the order in which they are declared; shutdown writes them in reverse.
struct CSettings {
    CSettings();

    CIntSetting col_fenetre;
    CIntSetting lig_fenetre;
    CIntSetting langue;
    CIntSetting largeur;
    CIntSetting hauteur;
    CIntSetting religion;
    CBoolSetting son;
    CIntSetting intro;
    CIntSetting coul_fond;
    CBoolSetting grille;
    CBoolSetting immortalite;
    CIntSetting temps_move;
    CIntSetting temps_tele;
    CIntSetting temps_sonic;
    CIntSetting temps_coucou;
    CIntSetting temps_rex;
    CIntSetting nb_robot_base;
    CIntSetting nb_robot_incr;
    CIntSetting meilleur_score;
};

#endif
