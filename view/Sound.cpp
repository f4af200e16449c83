#include "view/Sound.h"

#include <mmsystem.h>

#include "core/GameView.h"

PlaySoundFunction g_playSound = PlaySoundA;
MessageBeepFunction g_messageBeep = MessageBeep;

bool PlayWaveResource(HINSTANCE instance, int resourceId, bool async, bool soundOn)
{
    if (!soundOn)
        return true;
    DWORD flags = SND_RESOURCE | (async ? SND_ASYNC : SND_SYNC);
    return g_playSound(MAKEINTRESOURCEA(resourceId & 0xFFFF), instance, flags) != FALSE;
}

void PlayRefusal(HINSTANCE instance, bool soundOn)
{
    if (soundOn)
        PlayWaveResource(instance, WAVE_REFUSED, true, true);
    else
        g_messageBeep(MB_ICONEXCLAMATION);
}
