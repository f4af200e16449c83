// Score, the hero's death and revival, and the state of the action commands.
#include "core/Game.h"

#include "core/GameView.h"
#include "settings/Settings.h"

int DeadHeroImage(int religion)
{
    if (religion >= RELIGION_ATHEIST && religion <= RELIGION_MUSLIM)
        return IMAGE_DEAD_FIRST + religion;
    return IMAGE_DEAD_ELSE;
}

void CGame::StoreScore(int value)
{
    score = settings.immortalite.Get() ? 0 : value;
}

void CGame::AddScore() { StoreScore(score + POINTS_PER_ROBOT); }

void CGame::ChargeTeleport() { StoreScore(score - TELEPORT_COST < 1 ? 0 : score - TELEPORT_COST); }

void CGame::ChargeSonic() { StoreScore(score - SONIC_COST < 1 ? 0 : score - SONIC_COST); }

void CGame::SetSonicUsed(int count)
{
    sonicUsedCount = count;
    view.EnableSonicCommand(count == 0);
}

void CGame::DisableActions(bool withSound)
{
    if (settings.immortalite.Get())
        return;
    if (withSound)
        view.PlayWave(WAVE_DEATH, true);
    view.EnableActionCommands(false);
    hero.dead = true;
    hero.imageIndex = DeadHeroImage(settings.religion.Get());
}

void CGame::EnableActions()
{
    hero.dead = false;
    view.EnableActionCommands(true);
    hero.imageIndex = IMAGE_HERO;
}

bool CGame::IsHeroBusy() const { return hero.dead || introActive; }
