#include "settings/Settings.h"

namespace {

template <class V>
void Init(CSetting<V>& setting, V value)
{
    setting.value = value;
    setting.changed = false;
}

}

// Until the INI file is read every setting holds its default for a 47 x 32 board.
CSettings::CSettings()
{
    Init(col_fenetre, -1);
    Init(lig_fenetre, -1);
    Init(langue, 1);
    Init(largeur, 47);
    Init(hauteur, 32);
    Init(religion, 0);
    Init(son, true);
    Init(intro, 1);
    Init(coul_fond, 0);
    Init(grille, false);
    Init(immortalite, false);
    Init(temps_move, 200);
    Init(temps_tele, 100);
    Init(temps_sonic, 200);
    Init(temps_coucou, 100);
    Init(temps_rex, 200);
    Init(nb_robot_base, 7);
    Init(nb_robot_incr, 3);
    Init(meilleur_score, 0);
}
